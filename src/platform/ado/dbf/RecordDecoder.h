#pragma once
// Turns the bytes of one record into values, field by field, with the
// types the provider announces for its columns.
#include <QDateTime>
#include <QString>
#include <optional>
#include <vector>

#include "platform/ado/dbf/MemoFile.h"
#include "platform/ado/dbf/NumberField.h"
#include "platform/ado/dbf/RepeatedValue.h"
#include "platform/ado/dbf/TableLayout.h"
#include "platform/runtime/Variant.h"

namespace ado::dbf {

// Values by type:
//  C, V, M   text in the table's code page (C keeps its trailing blanks);
//  Q, G, P, W  and fields marked binary: one character per byte;
//  N, F      as readNumber gives them (NumberField.h);
//  I  Long;  B  Double;  Y  Currency;  L  Boolean;
//  D, T      Date (T rounded to the second);
// Null for a blank N, F, D or T, an unset L and whatever _NullFlags marks.
class RecordDecoder {
 public:
  // `memo` may be null when the table has no memo fields.
  RecordDecoder(const TableLayout& layout, MemoFile* memo, QString name);

  // `record` holds the layout's record length; `number` counts from 1.
  // The values go into `row` in place, so a row handed back record after
  // record keeps its text buffers. Raises a provider failure naming the
  // record and field for a value its type cannot hold (invalidValue).
  void decode(const char* record, long long number, std::vector<rt::Variant>& row);

 private:
  enum class Kind { FixedText, VariableText, Number, Date, DateTime, Logical, Long, Money, Double, Memo };
  // How one field is decoded, settled once for the table.
  struct Step {
    Kind kind;
    int offset, length;
    int nullBit;
    const FieldLayout* field;
    const TextCodec* codec;
    RepeatedValue<NumberValue> lastNumber;           // N, F
    RepeatedValue<std::optional<QDateTime>> lastDate;  // D, T; nullopt for Null
  };

  void variableText(const Step& step, const char* record, long long number, rt::Variant& into);
  [[noreturn]] void illegibleNumber(const FieldLayout& f, const char* at, long long record) const;
  std::optional<QDateTime> date(const FieldLayout& f, const char* at, long long record);
  std::optional<QDateTime> dateTime(const FieldLayout& f, const char* at, long long record);
  std::optional<bool> logical(const FieldLayout& f, const char* at, long long record);
  QString memo(const Step& step, const char* at, long long record);
  bool flagSet(const char* record, int bit) const;

  const TableLayout& layout_;
  MemoFile* memo_;
  QString name_;
  TextCodec bytes_ = TextCodec::bytes();
  std::vector<Step> steps_;
};

}  // namespace ado::dbf
