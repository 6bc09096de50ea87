#include "platform/ado/dbf/TableReader.h"

#include <algorithm>

#include "platform/ado/dbf/Bytes.h"
#include "platform/ado/dbf/DbfFailure.h"
#include "platform/ado/dbf/DbfFormat.h"

namespace ado::dbf {

TableReader::TableReader(std::unique_ptr<QIODevice> table, QString name, std::optional<int> codePage,
                         const MemoFinder& findMemo)
    : table_(std::move(table)), name_(std::move(name)), layout_(readLayout(*table_, name_, codePage)) {
  if (layout_.hasMemoFields()) {
    MemoSource source = findMemo(layout_.version);
    memo_ = std::make_unique<MemoFile>(std::move(source.file), source.format, layout_.version, source.name);
  }
  decoder_ = std::make_unique<RecordDecoder>(layout_, memo_.get(), name_);
  blockRecords_ = std::max<qint64>(1, kBlockBytes / layout_.recordLength);
  buffer_ = QByteArray(blockRecords_ * layout_.recordLength, Qt::Uninitialized);
}

bool TableReader::load(long long index) {
  loaded_ = std::min(blockRecords_, layout_.recordCount - index);
  first_ = index;
  if (readAt(*table_, layout_.recordOffset(index), buffer_.data(), loaded_ * layout_.recordLength)) return true;
  loaded_ = 0;
  return false;
}

bool TableReader::next(std::vector<rt::Variant>& row) {
  while (nextIndex_ < layout_.recordCount) {
    const long long index = nextIndex_++;
    recordNumber_ = index + 1;
    if (index < first_ || index >= first_ + loaded_) {
      if (!load(index)) damagedRecord(name_, recordNumber_, {}, QStringLiteral("no se pudo leer el registro"));
    }
    const char* record = buffer_.constData() + (index - first_) * layout_.recordLength;
    if (*record == kDeletedMark) continue;
    if (*record != kLiveMark)
      damagedRecord(name_, recordNumber_, {},
                    QStringLiteral("la marca de borrado (código %1) no es la de un registro")
                        .arg(int(uint8_t(*record))));
    decoder_->decode(record, recordNumber_, row);
    return true;
  }
  return false;
}

long long TableReader::liveCount() {
  if (live_) return *live_;
  QByteArray block(buffer_.size(), Qt::Uninitialized);
  long long live = 0;
  for (long long index = 0; index < layout_.recordCount; index += blockRecords_) {
    const long long n = std::min(blockRecords_, layout_.recordCount - index);
    if (!readAt(*table_, layout_.recordOffset(index), block.data(), n * layout_.recordLength))
      damagedRecord(name_, index + 1, {}, QStringLiteral("no se pudo leer el registro"));
    for (long long i = 0; i < n; ++i) live += block[i * layout_.recordLength] != kDeletedMark;
  }
  live_ = live;
  return live;
}

}  // namespace ado::dbf
