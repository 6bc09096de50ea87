#pragma once
// Reader of Windows-style INI files: sections and keys without regard to
// case, "|" allowed in section names, ";" and "#" comment lines, values
// trimmed and stripped of surrounding quotes. It never writes.
#include <QString>

namespace suite {

class ArchivoIni {
 public:
  // `file` is a path, or a bare name looked for (without regard to case) in
  // the program folder and then in the user's configuration folder.
  QString LeeClave(const QString& file, const QString& section, const QString& key,
                   const QString& defaultValue = QString()) const;

  // Where a bare file name is found; empty when nowhere.
  static QString Locate(const QString& file);
};

}  // namespace suite
