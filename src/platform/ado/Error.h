#pragma once
// One entry of a connection's Errors collection, and the collection itself.
// The collection keeps its entries until it is cleared or a later failing
// operation replaces them; successful operations leave it as it is.
#include <QString>
#include <vector>

namespace ado {

struct Error {
  long Number = 0;
  QString Description;
  QString Source;
  QString SQLState;
  long NativeError = 0;
};

class Errors {
 public:
  int Count() const { return static_cast<int>(items_.size()); }
  // Raises 3265 for an index out of range.
  const Error& Item(int index) const;
  const Error& operator[](int index) const { return Item(index); }
  void Clear() { items_.clear(); }

  // For providers and connections.
  void Replace(std::vector<Error> items) { items_ = std::move(items); }
  void Add(Error e) { items_.push_back(std::move(e)); }
  const std::vector<Error>& all() const { return items_; }

 private:
  std::vector<Error> items_;
};

}  // namespace ado
