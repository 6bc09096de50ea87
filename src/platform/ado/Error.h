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

// Whether an entry says the link to the database failed or is gone: its
// SQLSTATE is of the connection class "08" (link failure, connection closed,
// server unreachable).
bool IsConnectionFailure(const Error& e);

// Whether an entry says the statement failed for what the database is, not
// for what it asked: another program's lock past the time-out (HYT00), a
// wait for it that the operator ended (HY008), a database that takes no
// writes (3906), a full disk on SQL Server (1105, 9002), a file that cannot
// be read or written or a link failed or closed (class "08", where the
// embedded database reports its I/O failures too). Whatever the statement,
// it would fail the same way again until that changes.
bool IsDatabaseFailure(const Error& e);
// Whether an entry says the operator ended the wait (HY008, a cancelled
// operation).
bool IsWaitEnded(const Error& e);

class Errors {
 public:
  int Count() const { return static_cast<int>(items_.size()); }
  // Raises 3265 for an index out of range.
  const Error& Item(int index) const;
  const Error& operator[](int index) const { return Item(index); }
  void Clear() {
    items_.clear();
    ++version_;
  }

  // For providers and connections.
  void Replace(std::vector<Error> items) {
    items_ = std::move(items);
    ++version_;
  }
  void Add(Error e) {
    items_.push_back(std::move(e));
    ++version_;
  }
  const std::vector<Error>& all() const { return items_; }
  // Changes whenever the entries change: a caller that noted it before an
  // operation tells the entries of that operation's failure from older ones.
  unsigned long long version() const { return version_; }

 private:
  std::vector<Error> items_;
  unsigned long long version_ = 0;
};

}  // namespace ado
