#pragma once
// Values bound as statement parameters ("?"), typed by the column each one
// is compared with or written to. Money goes as exact decimal text, text as
// UTF-16, dates as timestamps; nothing is cut on the way (the server
// refuses what does not fit).
#include <sql.h>

#include <QByteArray>
#include <vector>

#include "platform/ado/odbc/Catalog.h"
#include "platform/runtime/Variant.h"

namespace ado::odbc {

class Statement;

class Parameters {
 public:
  void add(const rt::Variant& value, const ColumnRow& column);
  // Binds them all, in the order added; the set must outlive the execution.
  void bind(const Statement& statement) const;
  bool empty() const { return slots_.empty(); }

 private:
  struct Slot {
    SQLSMALLINT cType, sqlType;
    SQLULEN columnSize;
    SQLSMALLINT digits;
    QByteArray data;
    mutable SQLLEN indicator;
  };
  std::vector<Slot> slots_;
};

}  // namespace ado::odbc
