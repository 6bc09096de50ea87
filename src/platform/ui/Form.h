#pragma once
// A window of the program as a model: its controls are members of the
// derived class (declared container first), its event procedures are the
// virtual Form_* methods and the methods its constructor wires to the
// controls' events. Showing and hiding go through the Host, so the same form
// runs on the screen and in tests.
#include <QString>
#include <vector>

#include "platform/ui/Control.h"

namespace ui {

// How a form is being unloaded (the UnloadMode of Form_QueryUnload).
namespace unload {
constexpr int ControlMenu = 0;  // the window's close box
constexpr int Code = 1;         // Unload from the program
}  // namespace unload

// Form.Show's argument.
constexpr int vbModeless = 0, vbModal = 1;

class Form : public Component {
 public:
  ~Form() override;

  Property<QString> Caption{this, Prop::Caption};
  // A picture name the host can load (a resource path); empty for none.
  Property<QString> Icon{this, Prop::Icon};
  // Key presses reach Form_KeyDown before the focused control.
  Property<bool> KeyPreview{this, Prop::KeyPreview};
  // 0 none, 1 fixed single, 2 sizable, 3 fixed dialog, 4 fixed tool window, 5 sizable tool window.
  Property<int> BorderStyle{this, Prop::BorderStyle, 2};

  // Width and Height are the window's outer size; these are its client area.
  int ScaleWidth() const { return Width() - nonClientWidth(); }
  int ScaleHeight() const { return Height() - nonClientHeight(); }
  int nonClientWidth() const;
  int nonClientHeight() const;

  bool Loaded() const { return loaded_; }
  // Runs Form_Load once until the form is unloaded.
  void Load();
  // Loads and shows; a modal show returns when the form hides or unloads.
  void Show(int modal = vbModeless);
  void Hide();
  // Form_QueryUnload and Form_Unload may refuse; true when unloaded.
  bool Unload(int mode = unload::Code);

  Control* ActiveControl() const { return active_; }
  // Every control, in declaration order.
  const std::vector<Control*>& controls() const { return controls_; }
  // Every control, by TabIndex.
  const std::vector<Control*>& tabOrder() const { return tabOrder_; }
  // The control of that name (and array index), nullptr when none.
  Control* find(const QString& name, int index = -1) const;

  // Moves the focus as a click or Tab does: Validate of the control losing
  // it may refuse; LostFocus, then GotFocus. False when refused or impossible.
  bool moveFocus(Control& to);
  // The first control after `from` in tab order that can hold the focus.
  Control* nextInTabOrder(const Control* from) const;

  // Width of `text` in twips in the form's font, measured by the host.
  int TextWidth(const QString& text) const;

  Form& form() override { return *this; }
  void propertyChanged(Prop prop) override;

  // Event procedures.
  virtual void Form_Load() {}
  virtual void Form_QueryUnload(int& /*Cancel*/, int /*UnloadMode*/) {}
  virtual void Form_Unload(int& /*Cancel*/) {}
  virtual void Form_Resize() {}
  virtual void Form_KeyDown(int& /*KeyCode*/, int /*Shift*/) {}

 protected:
  explicit Form(QString name);

 private:
  friend class Control;
  friend class ControlArrayBase;
  void addControl(Control& c);
  void removeControl(Control& c);
  // A control array element created while the form may be on screen.
  void controlLoaded(Control& c);
  void tabIndexChanged(Control& c);
  void renumberTabOrder();
  // The focused control can no longer hold the focus: it passes on.
  void focusLost(Control& c);

  std::vector<Control*> controls_;
  std::vector<Control*> tabOrder_;
  Control* active_ = nullptr;
  bool loaded_ = false;
  bool shownSinceLoad_ = false;
  bool showing_ = false;
  bool hosted_ = false;
  bool renumbering_ = false;
  int lastWidth_ = 0;
  int lastHeight_ = 0;
};

}  // namespace ui
