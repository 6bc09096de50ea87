#include "platform/ado/dbf/RecordDecoder.h"

#include <QDate>
#include <bit>
#include <charconv>
#include <cstdint>
#include <limits>

#include "platform/ado/dbf/Bytes.h"
#include "platform/ado/dbf/DbfFailure.h"
#include "platform/runtime/Dates.h"

namespace ado::dbf {

namespace {

constexpr long long kFirstJulianDay = 1721426;  // 01/01/0001
constexpr long long kLastJulianDay = 5373484;   // 31/12/9999
constexpr uint32_t kMsPerDay = 86400000;

bool isPad(char c) { return c == ' ' || c == '\0'; }

// The bytes of a field without the blanks or zero bytes around them.
QByteArrayView unpadded(const char* at, int length) {
  const char* first = at;
  const char* last = at + length;
  while (first < last && isPad(*first)) ++first;
  while (last > first && isPad(last[-1])) --last;
  return QByteArrayView(first, last);
}

QString shownBytes(const char* at, int length) {
  return QStringLiteral("«%1»").arg(QString::fromLatin1(at, length).trimmed());
}

double toDouble(const char* first, const char* last, bool& ok) {
  if (first < last && *first == '+') ++first;
  double d = 0;
  auto [end, ec] = std::from_chars(first, last, d);
  ok = ec == std::errc() && end == last;
  return d;
}

// A number as dBase and FoxPro write it: optional sign, digits with at most
// one '.', perhaps an exponent. Up to 19 significant digits are kept exactly.
struct Decimal {
  bool negative = false;
  uint64_t digits = 0;  // the digits without the point
  int places = 0;       // how many of them follow the point
  bool exact = true;    // false with an exponent or too many digits
};

bool parseDecimal(const char* p, const char* end, Decimal& d) {
  if (p < end && (*p == '-' || *p == '+')) d.negative = *p++ == '-';
  bool any = false, point = false;
  int significant = 0;
  for (; p < end; ++p) {
    const unsigned digit = unsigned(*p) - '0';
    if (digit <= 9) {
      any = true;
      significant += d.digits != 0 || digit != 0;
      if (significant > 19) d.exact = false;
      if (!d.exact) continue;
      d.digits = d.digits * 10 + digit;
      d.places += point;
    } else if (*p == '.' && !point) {
      point = true;
    } else if ((*p == 'e' || *p == 'E') && any) {
      d.exact = false;
      return true;
    } else {
      return false;
    }
  }
  return any;
}

}  // namespace

RecordDecoder::RecordDecoder(const TableLayout& layout, MemoFile* memo, QString name)
    : layout_(layout), memo_(memo), name_(std::move(name)) {}

void RecordDecoder::decode(const char* record, long long number, std::vector<rt::Variant>& row) {
  row.resize(layout_.fields.size());
  for (size_t i = 0; i < layout_.fields.size(); ++i) row[i] = value(layout_.fields[i], record, number);
}

bool RecordDecoder::flagSet(const char* record, int bit) const {
  return (uint8_t(record[layout_.nullFlagsOffset + bit / 8]) >> (bit % 8)) & 1;
}

rt::Variant RecordDecoder::value(const FieldLayout& f, const char* record, long long number) {
  if (f.nullBit >= 0 && flagSet(record, f.nullBit)) return rt::Variant::null();
  const char* at = record + f.offset;
  switch (f.type) {
    case 'C': return codecOf(f).decode(at, f.length);
    case 'V': case 'Q': {
      int length = f.length;
      if (f.varLengthBit >= 0 && flagSet(record, f.varLengthBit)) {
        length = uint8_t(at[f.length - 1]);
        if (length >= f.length)
          damagedRecord(name_, number, f.name,
                        QStringLiteral("la longitud %1 no cabe en el campo de %2 bytes").arg(length).arg(f.length));
      }
      return codecOf(f).decode(at, length);
    }
    case 'N': case 'F': return this->number(f, at, number);
    case 'D': return date(f, at, number);
    case 'T': return dateTime(f, at, number);
    case 'L': return logical(f, at, number);
    case 'I': return static_cast<int32_t>(le32(at));
    case 'Y': return rt::Currency::fromRaw(le64(at));
    case 'B': return std::bit_cast<double>(le64(at));
    default: return memo(f, at, number);
  }
}

rt::Variant RecordDecoder::number(const FieldLayout& f, const char* at, long long record) {
  const QByteArrayView text = unpadded(at, f.length);
  if (text.isEmpty()) return rt::Variant::null();
  const char* first = text.begin();
  const char* last = text.end();
  Decimal d;
  if (!parseDecimal(first, last, d))
    damagedRecord(name_, record, f.name, QStringLiteral("el número %1 es ilegible").arg(shownBytes(at, f.length)));
  if (f.type == 'N' && d.exact) {
    while (d.places > 0 && d.digits % 10 == 0) d.digits /= 10, --d.places;
    if (d.places == 0 && f.decimals == 0 && d.digits <= uint64_t(std::numeric_limits<int32_t>::max()))
      return static_cast<int32_t>(d.negative ? -int64_t(d.digits) : int64_t(d.digits));
    if (d.places <= 4) {
      static constexpr int64_t kScale[] = {10000, 1000, 100, 10, 1};
      const __int128 raw = __int128(d.digits) * kScale[d.places] * (d.negative ? -1 : 1);
      if (raw >= std::numeric_limits<int64_t>::min() && raw <= std::numeric_limits<int64_t>::max())
        return rt::Currency::fromRaw(static_cast<int64_t>(raw));
    }
  }
  bool ok = false;
  const double value = toDouble(first, last, ok);
  if (!ok)
    damagedRecord(name_, record, f.name, QStringLiteral("el número %1 es ilegible").arg(shownBytes(at, f.length)));
  return value;
}

rt::Variant RecordDecoder::date(const FieldLayout& f, const char* at, long long record) {
  if (unpadded(at, 8).isEmpty() || QByteArrayView(at, 8) == "00000000") return rt::Variant::null();
  int parts[3] = {0, 0, 0};
  const int widths[3] = {4, 2, 2};
  const char* p = at;
  for (int i = 0; i < 3; ++i)
    for (int k = 0; k < widths[i]; ++k, ++p) {
      if (*p < '0' || *p > '9')
        damagedRecord(name_, record, f.name, QStringLiteral("la fecha %1 es inválida").arg(shownBytes(at, 8)));
      parts[i] = parts[i] * 10 + (*p - '0');
    }
  const QDate day(parts[0], parts[1], parts[2]);
  if (!day.isValid())
    damagedRecord(name_, record, f.name, QStringLiteral("la fecha %1 es inválida").arg(shownBytes(at, 8)));
  return rt::MakeDate(day);
}

rt::Variant RecordDecoder::dateTime(const FieldLayout& f, const char* at, long long record) {
  if (unpadded(at, 8).isEmpty()) return rt::Variant::null();
  const long long julianDay = le32(at);
  const uint32_t ms = le32(at + 4);
  if (julianDay < kFirstJulianDay || julianDay > kLastJulianDay || ms >= kMsPerDay)
    damagedRecord(name_, record, f.name,
                  QStringLiteral("la fecha y hora (día %1, %2 ms) es inválida").arg(julianDay).arg(ms));
  const qint64 seconds = (qint64(ms) + 500) / 1000;
  return rt::MakeDate(QDate::fromJulianDay(julianDay)).addSecs(seconds);
}

rt::Variant RecordDecoder::logical(const FieldLayout& f, const char* at, long long record) {
  switch (*at) {
    case 'T': case 't': case 'Y': case 'y': return true;
    case 'F': case 'f': case 'N': case 'n': return false;
    case ' ': case '?': case '\0': return rt::Variant::null();
    default:
      damagedRecord(name_, record, f.name, QStringLiteral("el valor lógico %1 es inválido").arg(shownBytes(at, 1)));
  }
}

rt::Variant RecordDecoder::memo(const FieldLayout& f, const char* at, long long record) {
  uint32_t block = 0;
  if (f.length == 4) {
    block = le32(at);
  } else {
    const QByteArrayView text = unpadded(at, f.length);
    auto [end, ec] = std::from_chars(text.begin(), text.end(), block);
    if (!text.isEmpty() && (ec != std::errc() || end != text.end()))
      damagedRecord(name_, record, f.name,
                    QStringLiteral("el puntero de memo %1 es inválido").arg(shownBytes(at, f.length)));
  }
  if (block == 0) return QString();
  if (!memo_->holds(block))
    damagedRecord(name_, record, f.name,
                  QStringLiteral("el memo apunta al bloque %1, fuera de los bloques de %2").arg(block).arg(memo_->name()));
  const QByteArray bytes = memo_->read(block, record, f.name);
  return codecOf(f).decode(bytes.constData(), bytes.size());
}

}  // namespace ado::dbf
