#include "platform/ado/dbf/DbfCursor.h"

#include "platform/ado/Constants.h"

namespace ado::dbf {

namespace {

int adoTypeOf(char type) {
  switch (type) {
    case 'C': return adChar;
    case 'V': return adVarChar;
    case 'N': return adNumeric;
    case 'F': case 'B': return adDouble;
    case 'I': return adInteger;
    case 'Y': return adCurrency;
    case 'D': return adDBDate;
    case 'T': return adDBTimeStamp;
    case 'L': return adBoolean;
    case 'M': return adLongVarChar;
    case 'Q': return adVarBinary;
    default: return adLongVarBinary;  // G, P, W
  }
}

}  // namespace

DbfCursor::DbfCursor(std::unique_ptr<TableReader> reader) : reader_(std::move(reader)) {
  for (const FieldLayout& f : reader_->layout().fields) {
    provider::ColumnInfo c;
    c.name = f.name;
    c.type = adoTypeOf(f.type);
    c.definedSize = f.length;
    if (f.type == 'N' || f.type == 'F') {
      c.precision = f.length;
      c.scale = f.decimals;
    }
    columns_.push_back(std::move(c));
  }
}

long long DbfCursor::knownCount() const {
  try {
    return reader_->liveCount();
  } catch (const provider::Failure&) {
    return -1;
  }
}

rt::Variant DbfCursor::bookmark() const {
  const long long number = reader_->recordNumber();
  return number > 0 ? rt::Variant(int64_t(number)) : rt::Variant();
}

}  // namespace ado::dbf
