#pragma once
// Why a file operation failed, in Spanish, for the operator's messages: Qt's
// own texts come from the system in English ("Not a directory").
#include <QFileDevice>
#include <QString>

namespace rt {

// The reason a system call failed, from its errno; a number the text does
// not know is named by its number.
QString SystemErrorText(int systemError);

// The reason for a failure of `file`; `systemError` is errno as the failing
// call left it (0 when unknown: the reason then comes from the kind of
// failure Qt recorded).
QString FileErrorText(const QFileDevice& file, int systemError);

// PathFileAccess (75) naming the file and the reason its last operation
// failed; called right after the failing call, while errno still tells why.
[[noreturn]] void raiseFileAccess(const QString& path, const QFileDevice& file);

}  // namespace rt
