#pragma once
// Reads a table's live records front to back through one block buffer, so
// memory stays the same for any number of records.
#include <QByteArray>
#include <QIODevice>
#include <QString>
#include <functional>
#include <memory>
#include <optional>
#include <vector>

#include "platform/ado/dbf/MemoFile.h"
#include "platform/ado/dbf/RecordDecoder.h"
#include "platform/ado/dbf/TableLayout.h"

namespace ado::dbf {

struct MemoSource {
  std::unique_ptr<QIODevice> file;
  MemoFormat format = MemoFormat::Fpt;
  QString name;
};
// Finds the memo file of a table of the given version; raises a provider
// failure when there is none.
using MemoFinder = std::function<MemoSource(uint8_t version)>;

class TableReader {
 public:
  // Records are read in blocks of about this many bytes (at least one record).
  static constexpr qint64 kBlockBytes = 64 * 1024;

  // `table` is open for reading and called `name` in messages; `codePage`
  // replaces the header's when given; `findMemo` is asked only when the
  // table has memo fields. Raises a provider failure for a damaged header
  // or memo header.
  TableReader(std::unique_ptr<QIODevice> table, QString name, std::optional<int> codePage,
              const MemoFinder& findMemo);

  const TableLayout& layout() const { return layout_; }

  // The next live record into `row`; false after the last. A damaged record
  // raises a provider failure and is passed over, so the next call goes on
  // with the record after it.
  bool next(std::vector<rt::Variant>& row);

  // The number in the table (from 1, deleted records counted) of the record
  // the last next() gave or failed on; 0 before the first.
  long long recordNumber() const { return recordNumber_; }

  // Records not marked deleted: one pass over the deletion marks, made on
  // the first call.
  long long liveCount();

  // The bytes the record buffer holds; the same from the first record to
  // the last.
  qsizetype bufferBytes() const { return buffer_.capacity(); }

 private:
  // Loads the block holding record `index`; false when it cannot be read.
  bool load(long long index);

  std::unique_ptr<QIODevice> table_;
  QString name_;
  TableLayout layout_;
  std::unique_ptr<MemoFile> memo_;
  std::unique_ptr<RecordDecoder> decoder_;
  QByteArray buffer_;
  long long blockRecords_ = 1;
  long long first_ = 0;   // index of the first record in the buffer
  long long loaded_ = 0;  // records in the buffer
  long long nextIndex_ = 0;
  long long recordNumber_ = 0;
  std::optional<long long> live_;
};

}  // namespace ado::dbf
