#pragma once
// The standard controls. Each is declared as a member of its form with its
// container and name: `ui::TextBox TxtUserId{this, "TxtUserId"};`, or inside
// a frame: `ui::Label lbUsuario{framAcceso, "lbUsuario"};`.
#include <QString>

#include "platform/ui/Control.h"

namespace ui {

class Label : public Control {
 public:
  Label(Component& container, QString name, int index = -1);
  Property<QString> Caption{this, Prop::Caption};
  // 0 left, 1 right, 2 centre.
  Property<int> Alignment{this, Prop::Alignment};
};

class TextBox : public Control {
 public:
  TextBox(Component& container, QString name, int index = -1);
  // Setting it raises Change, from the program as from the keyboard.
  Property<QString> Text{this, Prop::Text};
  // Limits typing only; 0 is no limit. Text set by the program is kept whole.
  Property<int> MaxLength{this, Prop::MaxLength};
  // Shown in place of every typed character; empty shows the text.
  Property<QString> PasswordChar{this, Prop::PasswordChar};
  Property<bool> Locked{this, Prop::Locked};
  Property<bool> MultiLine{this, Prop::MultiLine};
  Property<int> Alignment{this, Prop::Alignment};
  // Kept inside the text: a start beyond it (SelStart = 1000) is its end,
  // so what is typed next is appended. A negative value raises 380.
  Property<int> SelStart{this, Prop::Selection, 0, checkSelection};
  Property<int> SelLength{this, Prop::Selection, 0, checkSelection};
  QString SelText() const { return Text().mid(SelStart(), SelLength()); }

  bool takesFocus() const override { return true; }
  void propertyChanged(Prop prop) override;

  // The column the box edits, for the program's own key filters; no host
  // shows it (reported as Tag is).
  Property<QString> DataField{this, Prop::Tag};

 private:
  static void checkSelection(const PropertyOwner& owner, const int& value);
  // True when the selection had to be pulled back (and that was announced).
  bool keepSelectionInText();
};

class CommandButton : public Control {
 public:
  CommandButton(Component& container, QString name, int index = -1);
  Property<QString> Caption{this, Prop::Caption};
  // The form's Enter button and Escape button; one of each per form.
  Property<bool> Default{this, Prop::Default};
  Property<bool> Cancel{this, Prop::Cancel};

  bool takesFocus() const override { return true; }
  void propertyChanged(Prop prop) override;
};

class CheckBox : public Control {
 public:
  CheckBox(Component& container, QString name, int index = -1);
  Property<QString> Caption{this, Prop::Caption};
  // 0 unticked, 1 ticked, 2 greyed; a change raises Click.
  Property<int> Value;
  Property<int> Alignment{this, Prop::Alignment};

  bool takesFocus() const override { return true; }
  void propertyChanged(Prop prop) override;
};

class OptionButton : public Control {
 public:
  OptionButton(Component& container, QString name, int index = -1);
  Property<QString> Caption{this, Prop::Caption};
  // Selecting one clears the others of its container and raises Click.
  Property<bool> Value{this, Prop::Value};

  bool takesFocus() const override { return true; }
  void propertyChanged(Prop prop) override;
};

// A captioned box that holds other controls.
class Frame : public Control {
 public:
  Frame(Component& container, QString name, int index = -1);
  Property<QString> Caption{this, Prop::Caption};
};

// A picture: a resource path or file the host loads; empty shows nothing.
class Image : public Control {
 public:
  Image(Component& container, QString name, int index = -1);
  Property<QString> Picture{this, Prop::Picture};
  // Scale the picture to the control instead of the control to the picture.
  Property<bool> Stretch{this, Prop::Stretch};
};

// A picture that can also hold controls.
class PictureBox : public Control {
 public:
  PictureBox(Component& container, QString name, int index = -1);
  Property<QString> Picture{this, Prop::Picture};
};

// Raises Tick every Interval milliseconds while enabled and Interval > 0
// (the host runs the clock; tests raise Tick themselves).
class Timer : public Control {
 public:
  Timer(Component& container, QString name, int index = -1);
  Property<int> Interval{this, Prop::Interval};
  Event<> Tick;
};

}  // namespace ui
