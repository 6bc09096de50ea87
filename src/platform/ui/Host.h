#pragma once
// What business code asks of the desktop: message boxes, the input box, the
// file-open dialog and a yield to pending events. A Qt host shows them to the
// operator; the scripted host answers them in tests.
#include <QString>

namespace ui {

struct FileDialogRequest {
  QString title;
  QString filter;      // "Descripción|patrón" pairs joined by "|"
  QString initialDir;
  QString fileName;
};

struct FileDialogResult {
  bool cancelled = true;
  QString fileName;
};

class Host {
 public:
  virtual ~Host() = default;

  // Modal message box; `buttons` carries the button, icon and default-button
  // codes; an empty title means the program's own. Returns the answer 1..7.
  virtual int MsgBox(const QString& prompt, int buttons, const QString& title) = 0;
  // Modal input box; "" when cancelled.
  virtual QString InputBox(const QString& prompt, const QString& title, const QString& defaultText) = 0;
  virtual FileDialogResult ShowOpen(const FileDialogRequest& request) = 0;
  // Lets pending events run (a click on a cancel button, a repaint).
  virtual void DoEvents() = 0;
};

// The host in force. Until one is set, a scripted host that accepts nothing.
Host& host();
// Non-owning; nullptr restores the default.
void setHost(Host* h);

// Shortcuts for business code.
inline int MsgBox(const QString& prompt, int buttons = 0, const QString& title = QString()) {
  return host().MsgBox(prompt, buttons, title);
}
inline void DoEvents() { host().DoEvents(); }

}  // namespace ui
