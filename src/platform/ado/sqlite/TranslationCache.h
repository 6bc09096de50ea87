#pragma once
// Translations kept by shape: the statement text with its literals blanked
// out, under the identity of the schema it was translated against. A hit
// costs one tokenizing pass and the binding of the literals.
//
// Bounded: the least recently used shape goes when the cache is full, and
// texts longer than kLongestShape are translated every time.
// Guarded by a mutex, so connections on other threads may share it; the
// program itself translates on its one user-interface thread.
#include <QString>
#include <cstdint>
#include <list>
#include <memory>
#include <mutex>
#include <unordered_map>

#include "platform/ado/sqlite/CompiledStatement.h"

namespace ado::sqlite::tsql {

class TranslationCache {
 public:
  static constexpr qsizetype kLongestShape = 16384;

  explicit TranslationCache(size_t capacity) : capacity_(capacity) {}

  std::shared_ptr<const CompiledScript> find(uint64_t schema, const QString& shape);
  void insert(uint64_t schema, const QString& shape, std::shared_ptr<const CompiledScript> script);

  size_t size() const;
  uint64_t hits() const;
  void clear();

  // The cache every translation goes through.
  static TranslationCache& shared();

 private:
  struct Key {
    uint64_t schema;
    QString shape;
    bool operator==(const Key& o) const { return schema == o.schema && shape == o.shape; }
  };
  struct KeyHash {
    size_t operator()(const Key& k) const { return qHash(k.shape, static_cast<size_t>(k.schema)); }
  };
  using Entry = std::pair<Key, std::shared_ptr<const CompiledScript>>;

  const size_t capacity_;
  mutable std::mutex mutex_;
  std::list<Entry> recent_;  // most recently used first
  std::unordered_map<Key, std::list<Entry>::iterator, KeyHash> index_;
  uint64_t hits_ = 0;
};

}  // namespace ado::sqlite::tsql
