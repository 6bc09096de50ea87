#pragma once
// Translations kept by shape: the statement text with its literals replaced
// by markers, under the identity of the schema it was translated against.
// A text of a recently used shape is matched against the kept shapes
// without tokenizing it; any other is tokenized and found by its shape's
// hash. Either way a hit costs one pass over the text and the binding of
// the literals.
//
// Bounded: the least recently used shape goes when the cache is full, and
// shapes longer than kLongestShape are translated every time.
// Guarded by a mutex, so connections on other threads may share it; the
// program itself translates on its one user-interface thread.
#include <QString>
#include <cstdint>
#include <list>
#include <memory>
#include <mutex>
#include <unordered_map>

#include "platform/ado/sqlite/CompiledStatement.h"
#include "platform/ado/sqlite/TsqlTokenizer.h"

namespace ado::sqlite::tsql {

class TranslationCache {
 public:
  static constexpr qsizetype kLongestShape = 16384;
  // How many of the most recently used shapes a text is matched against.
  static constexpr int kMatchedShapes = 32;

  explicit TranslationCache(size_t capacity) : capacity_(capacity) {}

  // The translation of a tokenized text's shape; null when none is kept.
  std::shared_ptr<const CompiledScript> find(uint64_t schema, const TokenizedText& text);
  // The translation of the first of the recently used shapes that `tsql`
  // has, its literals in `text`; null when it has none of them.
  std::shared_ptr<const CompiledScript> match(uint64_t schema, const QString& tsql, TokenizedText& text);
  void insert(uint64_t schema, const TokenizedText& text, std::shared_ptr<const CompiledScript> script);

  size_t size() const;
  uint64_t hits() const;
  void clear();

  // The cache every translation goes through.
  static TranslationCache& shared();

 private:
  // Shapes are found by their hash and told apart by their text.
  struct Key {
    uint64_t schema;
    size_t shapeHash;
    bool operator==(const Key& o) const { return schema == o.schema && shapeHash == o.shapeHash; }
  };
  struct KeyHash {
    size_t operator()(const Key& k) const { return k.shapeHash ^ static_cast<size_t>(k.schema); }
  };
  struct Kept {
    Shape shape;
    std::shared_ptr<const CompiledScript> script;
  };
  using Entry = std::pair<Key, Kept>;

  const size_t capacity_;
  mutable std::mutex mutex_;
  std::list<Entry> recent_;  // most recently used first
  std::unordered_map<Key, std::list<Entry>::iterator, KeyHash> index_;
  uint64_t hits_ = 0;
};

// Tokenizes `tsql` into `text` and returns the translation of its shape,
// from the shared cache or translated and kept there. Throws as Translate
// does.
std::shared_ptr<const CompiledScript> TranslateShape(const QString& tsql, const SchemaInfo& schema,
                                                     TokenizedText& text);

}  // namespace ado::sqlite::tsql
