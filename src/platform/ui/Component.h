#pragma once
// What forms and controls share: a name, a place and size in twips, whether
// they are enabled and visible, a font and two colours, and the observers a
// host registers to keep its widgets in step with the model.
#include <QString>
#include <deque>
#include <functional>

#include "platform/ui/Colors.h"
#include "platform/ui/Property.h"

namespace ui {

class Form;

class Component : public PropertyOwner {
 public:
  using Observer = std::function<void(const PropertyChange&)>;

  virtual ~Component();
  Component(const Component&) = delete;
  Component& operator=(const Component&) = delete;

  const QString& Name() const { return name_; }

  Property<int> Left{this, Prop::Geometry};
  Property<int> Top{this, Prop::Geometry};
  Property<int> Width{this, Prop::Geometry};
  Property<int> Height{this, Prop::Geometry};
  Property<bool> Enabled{this, Prop::Enabled, true};
  Property<bool> Visible{this, Prop::Visible, true};
  Property<QString> FontName{this, Prop::Font, QStringLiteral("MS Sans Serif")};
  Property<double> FontSize{this, Prop::Font, 8.25};
  Property<bool> FontBold{this, Prop::Font};
  Property<Color> ForeColor{this, Prop::ForeColor, color::ButtonText};
  Property<Color> BackColor{this, Prop::BackColor, color::ButtonFace};

  // Negative values leave that coordinate as it is.
  void Move(int left, int top = -1, int width = -1, int height = -1);

  virtual Form& form() = 0;

  // Observers are called after every change; the id unregisters.
  int watch(Observer observer);
  void unwatch(int id);

  void propertyChanged(Prop prop) override;

 protected:
  explicit Component(QString name);
  void notify(const PropertyChange& change);

 private:
  QString name_;
  struct Watcher {
    int id;
    Observer observer;
    bool removed = false;
  };
  // A deque keeps an observer in place while another one is added during a
  // notification; one removed during it is only marked, and goes after.
  std::deque<Watcher> observers_;
  int nextObserverId_ = 1;
  int notifying_ = 0;
};

}  // namespace ui
