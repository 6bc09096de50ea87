#pragma once
// The program's message box and input box as Qt dialogs with Spanish
// buttons.
#include <QString>

class QWidget;

namespace qt {

// Button set, icon and default button from the program's codes; the
// answer 1..7. An empty title shows the program's name.
int showMessageBox(QWidget* parent, const QString& prompt, int buttons, const QString& title);
// The text typed, "" when cancelled.
QString showInputBox(QWidget* parent, const QString& prompt, const QString& title, const QString& defaultText);

}  // namespace qt
