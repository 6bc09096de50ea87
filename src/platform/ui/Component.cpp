#include "platform/ui/Component.h"

#include <algorithm>

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
  observers_.emplace_back(nextObserverId_, std::move(observer));
  return nextObserverId_++;
}

void Component::unwatch(int id) {
  std::erase_if(observers_, [id](const auto& o) { return o.first == id; });
}

void Component::propertyChanged(Prop prop) { notify({prop}); }

void Component::notify(const PropertyChange& change) {
  // An observer may unwatch itself or others (a window closing) while told.
  std::vector<int> ids;
  for (const auto& o : observers_) ids.push_back(o.first);
  for (int id : ids) {
    auto it = std::find_if(observers_.begin(), observers_.end(), [id](const auto& o) { return o.first == id; });
    if (it == observers_.end()) continue;
    Observer observer = it->second;
    observer(change);
  }
}

}  // namespace ui
