#pragma once
// Readable test failures for Qt values.
#include <QDateTime>
#include <QString>
#include <ostream>

inline void PrintTo(const QString& s, std::ostream* os) { *os << '"' << s.toStdString() << '"'; }
inline void PrintTo(const QDateTime& d, std::ostream* os) { *os << d.toString(Qt::ISODate).toStdString(); }
