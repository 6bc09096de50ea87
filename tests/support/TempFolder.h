#pragma once
// A folder of its own for one test, removed afterwards.
#include <QString>
#include <QTemporaryDir>

namespace testing_support {

class TempFolder {
 public:
  TempFolder();
  QString path() const { return dir_.path(); }
  QString file(const QString& name) const { return dir_.filePath(name); }
  // Writes raw bytes into a file of the folder and returns its path.
  QString write(const QString& name, const QByteArray& bytes) const;

 private:
  QTemporaryDir dir_;
};

}  // namespace testing_support
