#pragma once
// What the program knows of the machine it runs on: its own name and folder,
// where it may write, the computer and the operator's login.
#include <QString>

namespace rt {

// The executable's name as the suite knows the program.
QString ExecutableName();
// The executable's folder, ending without a separator.
QString ProgramFolder();
// Where the program's own files (error log, lookup layouts) are written: the
// program folder when writable, otherwise the user's data folder.
QString WritableFolder();
// Where a file of the program's own lives: the program folder's file of
// that name when it exists, otherwise the writable folder's.
QString ProgramFile(const QString& name);
// Tests point both at a folder of their own; empty restores the real ones.
void SetProgramFolder(const QString& folder);

// The program's parameter text: what follows the executable's name on its
// command line, the arguments joined by blanks. main() sets it.
QString CommandLine();
void SetCommandLine(const QString& text);

QString ComputerName();
QString LoginName();

}  // namespace rt
