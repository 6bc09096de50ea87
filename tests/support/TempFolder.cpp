#include "support/TempFolder.h"

#include <QFile>

namespace testing_support {

TempFolder::TempFolder() : dir_(QDir::tempPath() + QStringLiteral("/it-XXXXXX")) {}

QString TempFolder::write(const QString& name, const QByteArray& bytes) const {
  QString p = file(name);
  QFile f(p);
  if (f.open(QIODevice::WriteOnly)) f.write(bytes);
  return p;
}

}  // namespace testing_support
