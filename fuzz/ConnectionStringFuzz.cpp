// libFuzzer target: any text as a connection string, taken apart; and any
// text as a value, written by the value writer and read back. A value read
// back other than written is a fault, as is any crash.
#include <QString>
#include <cstdlib>

#include "platform/ado/ConnectionString.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const QString text = QString::fromUtf8(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));
  ado::ParseConnectionString(text);

  const QString written = QStringLiteral("Server=s;Pwd=") + ado::ConnectionStringValue(text) + QStringLiteral(";UId=u;");
  const ado::provider::ConnectionSpec read = ado::ParseConnectionString(written);
  // Blanks around a plain value are not part of it; the writer braces a
  // value that has them.
  if (read.value(QStringLiteral("pwd")) != text || read.value(QStringLiteral("uid")) != QLatin1String("u")) std::abort();
  return 0;
}
