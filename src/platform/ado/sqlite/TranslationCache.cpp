#include "platform/ado/sqlite/TranslationCache.h"

#include "platform/ado/sqlite/TsqlStatementCompiler.h"

namespace ado::sqlite::tsql {

std::shared_ptr<const CompiledScript> TranslationCache::find(uint64_t schema, const TokenizedText& text) {
  std::lock_guard lock(mutex_);
  auto it = index_.find(Key{schema, text.shapeHash});
  if (it == index_.end() || !text.hasShape(it->second->second.shape)) return nullptr;
  recent_.splice(recent_.begin(), recent_, it->second);
  ++hits_;
  return it->second->second.script;
}

std::shared_ptr<const CompiledScript> TranslationCache::match(uint64_t schema, const QString& tsql,
                                                             TokenizedText& text) {
  std::lock_guard lock(mutex_);
  int tried = 0;
  for (auto it = recent_.begin(); it != recent_.end() && tried < kMatchedShapes; ++it) {
    if (it->first.schema != schema) continue;
    ++tried;
    if (!MatchShape(tsql, it->second.shape, text)) continue;
    text.shapeHash = it->first.shapeHash;
    recent_.splice(recent_.begin(), recent_, it);
    ++hits_;
    return it->second.script;
  }
  return nullptr;
}

void TranslationCache::insert(uint64_t schema, const TokenizedText& text,
                              std::shared_ptr<const CompiledScript> script) {
  if (text.shapeLength > kLongestShape) return;
  std::lock_guard lock(mutex_);
  Key key{schema, text.shapeHash};
  // Another shape with the same hash gives its place to this one.
  if (auto it = index_.find(key); it != index_.end()) {
    it->second->second = Kept{text.shape(), std::move(script)};
    recent_.splice(recent_.begin(), recent_, it->second);
    return;
  }
  recent_.emplace_front(key, Kept{text.shape(), std::move(script)});
  index_.emplace(key, recent_.begin());
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

std::shared_ptr<const CompiledScript> TranslateShape(const QString& tsql, const SchemaInfo& schema,
                                                     TokenizedText& text) {
  TranslationCache& cache = TranslationCache::shared();
  std::shared_ptr<const CompiledScript> script = cache.match(schema.identity(), tsql, text);
  if (script) return script;
  Tokenize(tsql, text);
  script = cache.find(schema.identity(), text);
  if (!script) {
    script = std::make_shared<const CompiledScript>(CompileScript(text, schema));
    cache.insert(schema.identity(), text, script);
  }
  return script;
}

}  // namespace ado::sqlite::tsql
