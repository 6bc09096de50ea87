#pragma once
// The layout of a table as its header describes it, checked against itself
// and against the size of the file before any record is read.
#include <QIODevice>
#include <QString>
#include <optional>
#include <vector>

#include "platform/ado/dbf/CodePage.h"

namespace ado::dbf {

struct FieldLayout {
  QString name;
  char type = 'C';
  int offset = 0;  // from the start of the record; byte 0 is the deletion mark
  int length = 0;
  int decimals = 0;
  bool binary = false;    // bytes kept as they are, without code page
  int nullBit = -1;       // bit of _NullFlags that marks Null; -1 when not nullable
  int varLengthBit = -1;  // V and Q: bit that says the last byte holds the length
};

struct TableLayout {
  uint8_t version = 0;
  long long recordCount = 0;  // deleted records included
  int headerLength = 0;
  int recordLength = 0;
  std::vector<FieldLayout> fields;  // the visible fields, in file order
  int nullFlagsOffset = -1;         // the hidden _NullFlags field, when there is one
  int nullFlagsLength = 0;
  TextCodec text = TextCodec::bytes();

  bool hasMemoFields() const;
  qint64 recordOffset(long long index) const { return headerLength + qint64(index) * recordLength; }
};

// Types whose bytes live in the memo file (M, G, P, W).
bool isMemoType(char type);
// Types that hold bytes, not text (Q, G, P, W).
bool isBinaryType(char type);

// Reads the header of `file` (called `name` in messages). `codePage`, when
// given, replaces the one the header names. Raises a provider failure for
// a damaged header, an unknown field type or a code page this system
// cannot convert.
TableLayout readLayout(QIODevice& file, const QString& name, std::optional<int> codePage);

}  // namespace ado::dbf
