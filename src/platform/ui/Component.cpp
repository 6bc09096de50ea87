#include "platform/ui/Component.h"

namespace ui {

Component::Component(QString name) : name_(std::move(name)) {}

Component::~Component() { notify({Prop::Destroyed}); }

void Component::Move(int left, int top, int width, int height) {
  if (left >= 0) Left = left;
  if (top >= 0) Top = top;
  if (width >= 0) Width = width;
  if (height >= 0) Height = height;
}

int Component::watch(Observer observer) {
  observers_.push_back({nextObserverId_, std::move(observer)});
  return nextObserverId_++;
}

void Component::unwatch(int id) {
  for (Watcher& w : observers_)
    if (w.id == id) w.removed = true;
  if (notifying_ == 0) std::erase_if(observers_, [](const Watcher& w) { return w.removed; });
}

void Component::propertyChanged(Prop prop) { notify({prop}); }

void Component::notify(const PropertyChange& change) {
  ++notifying_;
  for (std::size_t i = 0; i < observers_.size(); ++i)
    if (!observers_[i].removed) observers_[i].observer(change);
  if (--notifying_ == 0) std::erase_if(observers_, [](const Watcher& w) { return w.removed; });
}

}  // namespace ui
