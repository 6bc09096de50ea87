#pragma once
// The memo file of a table (.FPT of FoxPro, .DBT of dBase): blocks of any
// size, every read checked against the file's size.
#include <QByteArray>
#include <QIODevice>
#include <QString>
#include <memory>

#include "platform/ado/dbf/DbfFormat.h"

namespace ado::dbf {

class MemoFile {
 public:
  // `version` is the table's; it tells dBase III from dBase IV blocks.
  // Raises a provider failure for a damaged memo header.
  MemoFile(std::unique_ptr<QIODevice> file, MemoFormat format, uint8_t version, QString name);

  const QString& name() const { return name_; }
  // Whether a memo may start at block `block` (after the header, inside
  // the file).
  bool holds(uint32_t block) const;
  // The bytes of the memo starting at a block it holds. Raises a provider
  // failure naming the record and field when the memo runs past the end.
  QByteArray read(uint32_t block, long long record, const QString& field);

 private:
  // `length` bytes at `at`, when the file holds them.
  QByteArray readCounted(qint64 at, qint64 length, long long record, const QString& field);
  QByteArray readFpt(qint64 at, long long record, const QString& field);
  QByteArray readDbt(qint64 at, long long record, const QString& field);

  std::unique_ptr<QIODevice> file_;
  MemoFormat format_;
  QString name_;
  qint64 size_ = 0;
  int blockSize_ = 0;
};

}  // namespace ado::dbf
