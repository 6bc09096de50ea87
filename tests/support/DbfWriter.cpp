#include "support/DbfWriter.h"

#include <QDate>
#include <QFile>
#include <QFileInfo>
#include <bit>
#include <stdexcept>

#include "platform/ado/dbf/TableLayout.h"

namespace testing_support {

using namespace ado::dbf;

namespace {

void putLe(char* at, uint64_t value, int bytes) {
  for (int i = 0; i < bytes; ++i) at[i] = char(value >> (8 * i));
}
void putBe(char* at, uint32_t value, int bytes) {
  for (int i = 0; i < bytes; ++i) at[i] = char(value >> (8 * (bytes - 1 - i)));
}

[[noreturn]] void misuse(const QString& what) { throw std::invalid_argument(what.toStdString()); }

int usualLength(char type, uint8_t version) {
  switch (type) {
    case 'D': case 'T': case 'Y': case 'B': return 8;
    case 'I': return 4;
    case 'L': return 1;
    case 'M': case 'G': case 'P': case 'W': return isVisualFoxPro(version) ? 4 : 10;
    default: misuse(QStringLiteral("el campo de tipo %1 necesita una longitud").arg(QChar::fromLatin1(type)));
  }
}

// The text of a number with `decimals` places and "." as the point.
QByteArray numberText(const rt::Variant& v, int decimals) {
  if (const QString* s = v.stringIf()) return s->toLatin1();
  if (v.type() == rt::Variant::Type::Double) return QByteArray::number(v.toDouble(), 'f', decimals);
  const int64_t raw = v.toCurrency().rounded(std::min(decimals, 4)).raw();
  const uint64_t magnitude = raw < 0 ? uint64_t(-raw) : uint64_t(raw);
  QByteArray text = QByteArray::number(qulonglong(magnitude / 10000));
  if (decimals > 0) {
    QByteArray fraction = QByteArray::number(qulonglong(magnitude % 10000)).rightJustified(4, '0');
    text += '.' + fraction.leftJustified(decimals, '0').left(decimals);
  }
  return raw < 0 ? '-' + text : text;
}

}  // namespace

DbfWriter::DbfWriter(uint8_t version)
    : version_(version),
      codec_(*TextCodec::forCodePage(1252)),
      languageDriver_(*languageDriverOf(1252)),
      blockSize_(memoFormatOf(version) == MemoFormat::Fpt ? 64 : memo::DbtBlockSize) {}

DbfWriter& DbfWriter::codePage(int codePage) {
  auto codec = TextCodec::forCodePage(codePage);
  if (!codec) misuse(QStringLiteral("página de códigos %1 desconocida").arg(codePage));
  codec_ = *codec;
  languageDriver_ = languageDriverOf(codePage).value_or(0);
  return *this;
}

DbfWriter& DbfWriter::languageDriver(uint8_t mark) {
  languageDriver_ = mark;
  return *this;
}

DbfWriter& DbfWriter::memoBlockSize(int bytes) {
  blockSize_ = bytes;
  return *this;
}

DbfWriter& DbfWriter::field(const QString& name, char type, int length, int decimals, uint8_t flags) {
  if (records_ > 0) misuse(QStringLiteral("los campos se definen antes de los registros"));
  Field f{name, type, length ? length : usualLength(type, version_), decimals, flags};
  f.offset = fieldsEnd_;
  fieldsEnd_ += f.length;
  if (isVisualFoxPro(version_)) {
    if (type == 'V' || type == 'Q') f.varLengthBit = flagBits_++;
    if (flags & fieldflag::Nullable) f.nullBit = flagBits_++;
  }
  fields_.push_back(std::move(f));
  return *this;
}

DbfWriter& DbfWriter::add(const std::vector<rt::Variant>& values) {
  append(values, false);
  return *this;
}

DbfWriter& DbfWriter::addDeleted(const std::vector<rt::Variant>& values) {
  append(values, true);
  return *this;
}

void DbfWriter::append(const std::vector<rt::Variant>& values, bool deleted) {
  if (values.size() != fields_.size()) misuse(QStringLiteral("el registro no tiene un valor por campo"));
  const qsizetype start = recordBytes_.size();
  recordBytes_.append(recordLength(), '\0');
  char* record = recordBytes_.data() + start;
  record[0] = deleted ? kDeletedMark : kLiveMark;
  for (size_t i = 0; i < fields_.size(); ++i) putValue(record + fields_[i].offset, fields_[i], values[i], record);
  ++records_;
}

QByteArray DbfWriter::encodeText(const QString& text, bool binary) const {
  if (binary) return text.toLatin1();
  auto bytes = codec_.encode(text);
  if (!bytes) misuse(QStringLiteral("«%1» no se puede escribir en la página de códigos %2").arg(text).arg(codec_.codePage()));
  return *bytes;
}

void DbfWriter::putValue(char* at, const Field& f, const rt::Variant& v, char* record) {
  const auto setBit = [&](int bit) { record[nullFlagsOffset() + bit / 8] |= char(1 << (bit % 8)); };
  const bool binary = (f.flags & fieldflag::Binary) || isBinaryType(f.type);
  const auto putText = [&](const QByteArray& bytes, char pad) {
    if (bytes.size() > f.length) misuse(QStringLiteral("el valor no cabe en el campo %1").arg(f.name));
    memset(at, pad, f.length);
    memcpy(at, bytes.constData(), bytes.size());
  };
  if (v.isNull()) {
    if (f.nullBit >= 0) setBit(f.nullBit);
    if (QByteArrayView("CNFDL").contains(f.type) || (isMemoType(f.type) && f.length == 10)) memset(at, ' ', f.length);
    return;
  }
  switch (f.type) {
    case 'C': putText(encodeText(v.toString(), binary), ' '); return;
    case 'V': case 'Q': {
      const QByteArray bytes = encodeText(v.toString(), binary);
      putText(bytes, '\0');
      if (bytes.size() < f.length) {
        at[f.length - 1] = char(bytes.size());
        setBit(f.varLengthBit);
      }
      return;
    }
    case 'N': case 'F': {
      const QByteArray text = numberText(v, f.decimals);
      if (text.size() > f.length) misuse(QStringLiteral("el número no cabe en el campo %1").arg(f.name));
      putText(text.rightJustified(f.length, ' '), ' ');
      return;
    }
    case 'D':
      putText(v.isString() ? v.stringIf()->toLatin1() : v.toDate().date().toString(u"yyyyMMdd").toLatin1(), ' ');
      return;
    case 'T': {
      const QDateTime d = v.toDate();
      putLe(at, uint64_t(d.date().toJulianDay()), 4);
      putLe(at + 4, uint64_t(d.time().msecsSinceStartOfDay()), 4);
      return;
    }
    case 'L': putText(v.isString() ? v.stringIf()->toLatin1() : QByteArray(v.toBool() ? "T" : "F"), ' '); return;
    case 'I': putLe(at, uint32_t(v.toLong()), 4); return;
    case 'Y': putLe(at, uint64_t(v.toCurrency().raw()), 8); return;
    case 'B': putLe(at, std::bit_cast<uint64_t>(v.toDouble()), 8); return;
    default: {  // M, G, P, W
      const QByteArray data = encodeText(v.toString(), binary);
      const uint32_t block = data.isEmpty() ? 0 : putMemo(data, f);
      if (f.length == 4) putLe(at, block, 4);
      else putText(block ? QByteArray::number(block).rightJustified(f.length, ' ') : QByteArray(), ' ');
    }
  }
}

uint32_t DbfWriter::putMemo(const QByteArray& data, const Field& f) {
  const MemoFormat format = memoFormatOf(version_);
  if (memo_.isEmpty()) memo_ = QByteArray(memo::HeaderSize, '\0');
  // Blocks start after the header, on a block boundary.
  const qsizetype start = ((memo_.size() + blockSize_ - 1) / blockSize_) * blockSize_;
  memo_.resize(start, '\0');
  const uint32_t block = uint32_t(start / blockSize_);
  if (format == MemoFormat::Fpt) {
    char head[memo::FptBlockHeader];
    putBe(head, f.type == 'M' ? 1 : 0, 4);
    putBe(head + 4, uint32_t(data.size()), 4);
    memo_.append(head, sizeof head).append(data);
  } else if (version_ == version::Dbase4Memo) {
    char head[memo::Dbase4BlockHeader];
    memcpy(head, memo::Dbase4BlockMark, 4);
    putLe(head + 4, uint64_t(data.size() + memo::Dbase4BlockHeader), 4);
    memo_.append(head, sizeof head).append(data);
  } else {
    memo_.append(data).append(2, char(kEndOfFile));
  }
  return block;
}

bool DbfWriter::hasMemo() const {
  for (const Field& f : fields_)
    if (isMemoType(f.type)) return true;
  return false;
}

QByteArray DbfWriter::memoBytes() const {
  if (!hasMemo()) return {};
  QByteArray bytes = memo_.isEmpty() ? QByteArray(memo::HeaderSize, '\0') : memo_;
  const qsizetype end = ((bytes.size() + blockSize_ - 1) / blockSize_) * blockSize_;
  bytes.resize(end, '\0');
  const uint32_t nextFree = uint32_t(end / blockSize_);
  if (memoFormatOf(version_) == MemoFormat::Fpt) {
    putBe(bytes.data(), nextFree, 4);
    putBe(bytes.data() + memo::FptBlockSizeAt, uint32_t(blockSize_), 2);
  } else {
    putLe(bytes.data(), nextFree, 4);
    if (version_ == version::Dbase4Memo) putLe(bytes.data() + memo::DbtBlockSizeAt, uint32_t(blockSize_), 2);
    else bytes[16] = 0x03;
  }
  return bytes;
}

QByteArray DbfWriter::tableBytes() const {
  const bool foxPro = isVisualFoxPro(version_);
  std::vector<Field> all = fields_;
  if (flagBits_ > 0)
    all.push_back({QStringLiteral("_NullFlags"), kNullFlagsType, nullFlagsLength(), 0,
                   uint8_t(fieldflag::System | fieldflag::Binary), nullFlagsOffset()});
  const int headerLength =
      kHeaderPrefix + kDescriptorSize * int(all.size()) + 1 + (foxPro ? kBacklinkSize : 0);
  QByteArray bytes(headerLength, '\0');
  char* h = bytes.data();
  h[header::Version] = char(version_);
  h[1] = char(105), h[2] = 7, h[3] = 1;  // last update 01/07/2005
  putLe(h + header::RecordCount, uint64_t(records_), 4);
  putLe(h + header::HeaderLength, uint64_t(headerLength), 2);
  putLe(h + header::RecordLength, uint64_t(recordLength()), 2);
  if (foxPro && hasMemo()) h[header::TableFlags] = char(kTableHasMemo);
  h[header::LanguageDriver] = char(languageDriver_);
  char* d = h + kHeaderPrefix;
  for (const Field& f : all) {
    const QByteArray name = encodeText(f.name, false).left(descriptor::NameSize - 1);
    memcpy(d + descriptor::Name, name.constData(), name.size());
    d[descriptor::Type] = f.type;
    if (foxPro) putLe(d + descriptor::Displacement, uint64_t(f.offset), 4);
    d[descriptor::Length] = char(f.length);
    d[descriptor::Decimals] = char(f.decimals);
    if (foxPro) d[descriptor::Flags] = char(f.flags);
    d += kDescriptorSize;
  }
  *d = char(kFieldListEnd);
  bytes.append(recordBytes_);
  bytes.append(char(kEndOfFile));
  return bytes;
}

QString DbfWriter::memoPathFor(const QString& tablePath) const {
  const QFileInfo table(tablePath);
  QString extension = memoFormatOf(version_) == MemoFormat::Fpt ? QStringLiteral("fpt") : QStringLiteral("dbt");
  if (table.suffix() == table.suffix().toUpper()) extension = extension.toUpper();
  return table.path() + u'/' + table.completeBaseName() + u'.' + extension;
}

void DbfWriter::write(const QString& tablePath) const {
  const auto save = [](const QString& path, const QByteArray& bytes) {
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size())
      misuse(QStringLiteral("no se pudo escribir %1").arg(path));
  };
  save(tablePath, tableBytes());
  if (hasMemo()) save(memoPathFor(tablePath), memoBytes());
}

void DamageDeletionMark(const QString& tablePath, int record) {
  QFile file(tablePath);
  if (!file.open(QIODevice::ReadWrite)) misuse(QStringLiteral("no se pudo abrir %1").arg(tablePath));
  const QByteArray header = file.read(12);
  const auto le16 = [&](int at) { return uint8_t(header[at]) | uint8_t(header[at + 1]) << 8; };
  if (header.size() < 12 || !file.seek(le16(8) + qint64(record - 1) * le16(10)) || !file.putChar('X'))
    misuse(QStringLiteral("no se pudo dañar %1").arg(tablePath));
}

}  // namespace testing_support
