#pragma once
// Turns the bytes of one record into values, field by field, with the
// types the provider announces for its columns.
#include <QString>
#include <vector>

#include "platform/ado/dbf/MemoFile.h"
#include "platform/ado/dbf/TableLayout.h"
#include "platform/runtime/Variant.h"

namespace ado::dbf {

// Values by type:
//  C, V, M   text in the table's code page (C keeps its trailing blanks);
//  Q, G, P, W  and fields marked binary: one character per byte;
//  N         Long when the field has no decimals and the value fits,
//            otherwise Currency when the value has at most four decimals
//            and fits, otherwise the nearest Double; money never passes
//            through Double;
//  F, B      Double;  I  Long;  Y  Currency;  L  Boolean;
//  D, T      Date (T rounded to the second);
// Null for a blank N, F, D or T, an unset L and whatever _NullFlags marks.
class RecordDecoder {
 public:
  // `memo` may be null when the table has no memo fields.
  RecordDecoder(const TableLayout& layout, MemoFile* memo, QString name);

  // `record` holds the layout's record length; `number` counts from 1.
  // Raises a provider failure naming the record and field for a value its
  // type cannot hold.
  void decode(const char* record, long long number, std::vector<rt::Variant>& row);

 private:
  rt::Variant value(const FieldLayout& f, const char* record, long long number);
  rt::Variant number(const FieldLayout& f, const char* at, long long record);
  rt::Variant date(const FieldLayout& f, const char* at, long long record);
  rt::Variant dateTime(const FieldLayout& f, const char* at, long long record);
  rt::Variant logical(const FieldLayout& f, const char* at, long long record);
  rt::Variant memo(const FieldLayout& f, const char* at, long long record);
  bool flagSet(const char* record, int bit) const;
  const TextCodec& codecOf(const FieldLayout& f) const { return f.binary ? bytes_ : layout_.text; }

  const TableLayout& layout_;
  MemoFile* memo_;
  QString name_;
  TextCodec bytes_ = TextCodec::bytes();
};

}  // namespace ado::dbf
