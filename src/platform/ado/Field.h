#pragma once
// A column of a recordset's current row.
#include <QString>

#include "platform/runtime/Variant.h"

namespace ado {

class Recordset;

class Field {
 public:
  QString Name() const;
  // The value in the current row; raises 3021 when there is none.
  rt::Variant Value() const;
  // Assigns the value on an updatable recordset (converted by the column's
  // type: a "dd/mm/yy hh:mm" text into a date column is read day first).
  void setValue(const rt::Variant& value);
  Field& operator=(const rt::Variant& value) {
    setValue(value);
    return *this;
  }
  int Type() const;
  long DefinedSize() const;

 private:
  friend class Recordset;
  Field(Recordset* owner, int index) : owner_(owner), index_(index) {}
  Recordset* owner_;
  int index_;
};

}  // namespace ado
