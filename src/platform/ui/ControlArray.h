#pragma once
// A control array: controls of one kind sharing a name, told apart by their
// Index, whose events reach one handler with the element's index:
//   ui::ControlArray<ui::CheckBox> chkTabla{this, "chkTabla", {0, 1, 2}};
//   chkTabla.Click = [this](int Index) { chkTabla_Click(Index); };
//   chkTabla(1).Value = 1;
// Elements declared with the form exist from the start; Load adds one while
// the program runs (hidden, placed and styled like the lowest element).
#include <QString>
#include <initializer_list>
#include <map>
#include <memory>
#include <vector>

#include "platform/ui/Control.h"

namespace ui {

class ControlArrayBase {
 public:
  virtual ~ControlArrayBase();
  ControlArrayBase(const ControlArrayBase&) = delete;
  ControlArrayBase& operator=(const ControlArrayBase&) = delete;

  const QString& Name() const { return name_; }
  int Count() const { return static_cast<int>(elements_.size()); }
  // Lowest and highest index; -1 when empty.
  int LBound() const;
  int UBound() const;
  bool exists(int index) const { return elements_.count(index) != 0; }
  // The element; error 340 when the index has none.
  Control& element(int index) const;
  // The elements in index order.
  std::vector<Control*> elements() const;
  // The first element (by index) whose Tag equals `tag` without regard to
  // case; nullptr when none.
  Control* findByTag(const QString& tag) const;

  // Removes an element added by Load; error 362 for one declared with the form.
  void Unload(int index);

  Event<int> Click;
  Event<int> Change;
  Event<int> GotFocus;
  Event<int> LostFocus;
  Event<int, int&, int> KeyDown;
  Event<int, int&> KeyPress;
  Event<int, int&, int> KeyUp;
  Event<int, bool&> Validate;

 protected:
  ControlArrayBase(Component& container, QString name);
  using Factory = std::unique_ptr<Control> (*)(Component& container, const QString& name, int index);
  Control& add(int index, Factory make, bool loaded);

 protected:
  struct Element {
    std::unique_ptr<Control> control;
    bool loaded = false;
  };
  using Elements = std::map<int, Element>;
  Elements elements_;

 private:
  void wire(Control& element);

  Component& container_;
  QString name_;
};

template <class T>
class ControlArray : public ControlArrayBase {
 public:
  ControlArray(Component& container, QString name, std::initializer_list<int> indexes = {})
      : ControlArrayBase(container, std::move(name)) {
    for (int i : indexes) add(i, &make, false);
  }

  T& operator()(int index) const { return static_cast<T&>(element(index)); }
  // Adds element `index` while the program runs; error 360 when it exists.
  T& Load(int index) { return static_cast<T&>(add(index, &make, true)); }

  // Iterates over the elements in index order: for (ui::TextBox& t : txtFields).
  class iterator {
   public:
    explicit iterator(Elements::const_iterator it) : it_(it) {}
    T& operator*() const { return static_cast<T&>(*it_->second.control); }
    iterator& operator++() {
      ++it_;
      return *this;
    }
    bool operator!=(const iterator& other) const { return it_ != other.it_; }

   private:
    Elements::const_iterator it_;
  };
  iterator begin() const { return iterator(elements_.begin()); }
  iterator end() const { return iterator(elements_.end()); }

 private:
  static std::unique_ptr<Control> make(Component& container, const QString& name, int index) {
    return std::make_unique<T>(container, name, index);
  }
};

}  // namespace ui
