#include "platform/ado/sqlite/TranslationCache.h"

namespace ado::sqlite::tsql {

std::shared_ptr<const CompiledScript> TranslationCache::find(uint64_t schema, const QString& shape) {
  std::lock_guard lock(mutex_);
  auto it = index_.find(Key{schema, shape});
  if (it == index_.end()) return nullptr;
  recent_.splice(recent_.begin(), recent_, it->second);
  ++hits_;
  return it->second->second;
}

void TranslationCache::insert(uint64_t schema, const QString& shape, std::shared_ptr<const CompiledScript> script) {
  if (shape.size() > kLongestShape) return;
  std::lock_guard lock(mutex_);
  Key key{schema, shape};
  if (auto it = index_.find(key); it != index_.end()) {
    it->second->second = std::move(script);
    recent_.splice(recent_.begin(), recent_, it->second);
    return;
  }
  recent_.emplace_front(key, std::move(script));
  index_.emplace(std::move(key), recent_.begin());
  if (recent_.size() > capacity_) {
    index_.erase(recent_.back().first);
    recent_.pop_back();
  }
}

size_t TranslationCache::size() const {
  std::lock_guard lock(mutex_);
  return recent_.size();
}

uint64_t TranslationCache::hits() const {
  std::lock_guard lock(mutex_);
  return hits_;
}

void TranslationCache::clear() {
  std::lock_guard lock(mutex_);
  index_.clear();
  recent_.clear();
}

TranslationCache& TranslationCache::shared() {
  static TranslationCache cache(512);
  return cache;
}

}  // namespace ado::sqlite::tsql
