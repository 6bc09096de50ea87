#pragma once
// The keys of a collection of the list and tree controls: optional, unique
// and compared without regard to case, found in constant time so that lists
// of thousands of keyed rows fill quickly.
#include <QHash>
#include <QString>

#include "platform/runtime/Error.h"

namespace ui {

template <class T>
class CollectionKeys {
 public:
  // Raises 35602 when another element has the key; an empty key is no key.
  void check(const QString& key) const {
    if (!key.isEmpty() && elements_.contains(key.toCaseFolded())) rt::raise(rt::err::KeyNotUnique);
  }
  void add(const QString& key, T& element) {
    if (!key.isEmpty()) elements_.insert(key.toCaseFolded(), &element);
  }
  void remove(const QString& key) {
    if (!key.isEmpty()) elements_.remove(key.toCaseFolded());
  }
  void clear() { elements_.clear(); }
  // Raises 35601 when no element has the key.
  T& find(const QString& key) const {
    T* element = key.isEmpty() ? nullptr : elements_.value(key.toCaseFolded());
    if (!element) rt::raise(rt::err::ElementNotFound);
    return *element;
  }

 private:
  QHash<QString, T*> elements_;
};

}  // namespace ui
