#pragma once
// Why a file operation failed, in Spanish, for the operator's messages: Qt's
// own texts come from the system in English ("Not a directory").
#include <QFileDevice>
#include <QString>

namespace rt {

// The reason for a failure of `file`; `systemError` is errno as the failing
// call left it (0 when unknown: the reason then comes from the kind of
// failure Qt recorded).
QString FileErrorText(const QFileDevice& file, int systemError);

}  // namespace rt
