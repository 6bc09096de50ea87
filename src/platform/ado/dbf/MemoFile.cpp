#include "platform/ado/dbf/MemoFile.h"

#include "platform/ado/dbf/Bytes.h"
#include "platform/ado/dbf/DbfFailure.h"

namespace ado::dbf {

namespace {
constexpr qint64 kScanChunk = 4096;
}

MemoFile::MemoFile(std::unique_ptr<QIODevice> file, MemoFormat format, uint8_t version, QString name)
    : file_(std::move(file)), format_(format), name_(std::move(name)), size_(file_->size()) {
  char head[memo::HeaderSize];
  if (!readAt(*file_, 0, head, memo::HeaderSize))
    damagedFile(name_, QStringLiteral("el encabezado de memos está incompleto (%1 bytes)").arg(size_));
  if (format_ == MemoFormat::Fpt)
    blockSize_ = int(be16(head + memo::FptBlockSizeAt));
  else if (version == version::Dbase4Memo)
    blockSize_ = int(le16(head + memo::DbtBlockSizeAt));
  else
    blockSize_ = memo::DbtBlockSize;
  if (blockSize_ == 0 && format_ == MemoFormat::Dbt) blockSize_ = memo::DbtBlockSize;
  if (blockSize_ == 0) damagedFile(name_, QStringLiteral("el tamaño de bloque de memos es 0"));
}

bool MemoFile::holds(uint32_t block) const {
  const qint64 at = qint64(block) * blockSize_;
  return at >= memo::HeaderSize && at < size_;
}

QByteArray MemoFile::read(uint32_t block, long long record, const QString& field) {
  const qint64 at = qint64(block) * blockSize_;
  return format_ == MemoFormat::Fpt ? readFpt(at, record, field) : readDbt(at, record, field);
}

QByteArray MemoFile::readCounted(qint64 at, qint64 length, long long record, const QString& field) {
  if (length < 0 || length > size_ - at)
    damagedRecord(name_, record, field,
                  QStringLiteral("el memo dice medir %1 bytes y pasa el final del archivo de memos").arg(length));
  QByteArray bytes(length, Qt::Uninitialized);
  if (!readAt(*file_, at, bytes.data(), length))
    damagedRecord(name_, record, field, QStringLiteral("no se pudo leer el memo"));
  return bytes;
}

QByteArray MemoFile::readFpt(qint64 at, long long record, const QString& field) {
  char head[memo::FptBlockHeader];
  if (!readAt(*file_, at, head, memo::FptBlockHeader))
    damagedRecord(name_, record, field, QStringLiteral("el bloque de memo está cortado"));
  return readCounted(at + memo::FptBlockHeader, be32(head + 4), record, field);
}

// dBase IV blocks start with a mark and their length; dBase III text runs
// up to an end-of-file byte.
QByteArray MemoFile::readDbt(qint64 at, long long record, const QString& field) {
  char head[memo::Dbase4BlockHeader];
  if (readAt(*file_, at, head, memo::Dbase4BlockHeader) && memcmp(head, memo::Dbase4BlockMark, 4) == 0)
    return readCounted(at + memo::Dbase4BlockHeader, qint64(le32(head + 4)) - memo::Dbase4BlockHeader, record,
                       field);
  QByteArray bytes;
  for (qint64 pos = at; pos < size_; pos += kScanChunk) {
    const qint64 n = std::min(kScanChunk, size_ - pos);
    const qsizetype had = bytes.size();
    bytes.resize(had + n);
    if (!readAt(*file_, pos, bytes.data() + had, n))
      damagedRecord(name_, record, field, QStringLiteral("no se pudo leer el memo"));
    const qsizetype end = bytes.indexOf(char(kEndOfFile), had);
    if (end >= 0) {
      bytes.truncate(end);
      return bytes;
    }
  }
  damagedRecord(name_, record, field, QStringLiteral("el memo no termina antes del final del archivo de memos"));
}

}  // namespace ado::dbf
