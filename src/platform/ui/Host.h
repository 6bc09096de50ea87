#pragma once
// What business code asks of the desktop: message boxes, the input box, the
// file-open dialog and a yield to pending events. A Qt host shows them to the
// operator; the scripted host answers them in tests.
#include <QString>

namespace ui {

class Component;
class FlexGrid;
class Form;

// The screen in twips, and how many twips make a pixel.
struct ScreenInfo {
  int Width = 0;
  int Height = 0;
  int TwipsPerPixelX = 15;
  int TwipsPerPixelY = 15;
};

// A rectangle in twips.
struct TwipsRect {
  int Left = 0;
  int Top = 0;
  int Width = 0;
  int Height = 0;
  bool operator==(const TwipsRect&) const = default;
};

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
  // A step of a wait for another program (Waits.h): repaints the windows
  // and, with a `notice`, shows it (or its new text) with one button
  // captioned `button`; serves no other event but those of what the
  // WaitEnding in force lets end the wait. True when that button was
  // pressed.
  virtual bool WaitStep(const QString& notice, const QString& button) = 0;
  // The wait is over: its notice goes.
  virtual void WaitOver() = 0;

  // Puts a loaded, visible form on screen. A modal show lets the operator
  // work in that form alone and returns when it hides or unloads.
  virtual void ShowForm(Form& form, bool modal) = 0;
  // The form unloaded or is going away: its window goes too.
  virtual void ReleaseForm(Form& form) = 0;
  virtual ScreenInfo Screen() = 0;
  // Width of `text` in twips, written in the component's font (name, size,
  // weight): what a column "n capital X wide" measures.
  virtual int TextWidth(const Component& component, const QString& text) = 0;
  // The grid's current cell in twips from the grid's top-left corner, as
  // the grid is laid out on screen.
  virtual TwipsRect CurrentCell(const FlexGrid& grid) = 0;
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
inline ScreenInfo Screen() { return host().Screen(); }

}  // namespace ui
