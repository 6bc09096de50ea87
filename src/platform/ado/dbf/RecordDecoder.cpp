#include "platform/ado/dbf/RecordDecoder.h"

#include <QDate>
#include <bit>
#include <charconv>

#include "platform/ado/dbf/Bytes.h"
#include "platform/ado/dbf/DbfFailure.h"
#include "platform/ado/dbf/NumberField.h"
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

// Zero bytes that end a character field are padding, as blanks are (some
// writers fill the field with them): they read as blanks, never as text
// that the database would count as characters.
void fixedText(const TextCodec& codec, const char* at, int length, QString& into) {
  int text = length;
  while (text > 0 && at[text - 1] == '\0') --text;
  codec.decodeInto(at, text, into);
  if (text < length) into.resize(into.size() + (length - text), u' ');
}

// A field's bytes as a message shows them: without their padding, a byte
// that is no printable character (a control byte, one of another code page)
// or a backslash as a visible escape ("\x01"), so the message holds text
// alone and tells the bytes apart.
QString shownBytes(const char* at, int length) {
  QString shown;
  for (const char c : unpadded(at, length)) {
    const auto byte = static_cast<unsigned char>(c);
    if (byte >= 0x20 && byte < 0x7F && byte != '\\')
      shown += QLatin1Char(c);
    else
      shown += QStringLiteral("\\x") + QString::number(byte, 16).toUpper().rightJustified(2, u'0');
  }
  return QStringLiteral("«%1»").arg(shown);
}

}  // namespace

RecordDecoder::RecordDecoder(const TableLayout& layout, MemoFile* memo, QString name)
    : layout_(layout), memo_(memo), name_(std::move(name)) {
  for (const FieldLayout& f : layout_.fields) {
    Kind kind = Kind::Memo;  // M, G, P, W
    switch (f.type) {
      case 'C': kind = Kind::FixedText; break;
      case 'V': case 'Q': kind = Kind::VariableText; break;
      case 'N': case 'F': kind = Kind::Number; break;
      case 'D': kind = Kind::Date; break;
      case 'T': kind = Kind::DateTime; break;
      case 'L': kind = Kind::Logical; break;
      case 'I': kind = Kind::Long; break;
      case 'Y': kind = Kind::Money; break;
      case 'B': kind = Kind::Double; break;
      default: break;
    }
    steps_.push_back(Step{kind, f.offset, f.length, f.nullBit, &f, f.binary ? &bytes_ : &layout_.text, {}, {}});
  }
}

void RecordDecoder::decode(const char* record, long long number, std::vector<rt::Variant>& row) {
  row.resize(steps_.size());
  rt::Variant* values = row.data();
  for (Step& step : steps_) {
    rt::Variant& into = *values++;
    if (step.nullBit >= 0 && flagSet(record, step.nullBit)) {
      into = rt::Null{};
      continue;
    }
    const char* at = record + step.offset;
    switch (step.kind) {
      case Kind::FixedText: fixedText(*step.codec, at, step.length, into.makeString()); break;
      case Kind::VariableText: variableText(step, record, number, into); break;
      case Kind::Number:
        if (!step.lastNumber.holds(at, step.length)) {
          const NumberValue value = readNumber(at, step.length, step.field->type, step.field->decimals);
          if (value.type == NumberValue::Type::NotANumber) illegibleNumber(*step.field, at, number);
          step.lastNumber.keep(at, step.length, value);
        }
        step.lastNumber.value().assignTo(into);
        break;
      case Kind::Date: case Kind::DateTime:
        if (!step.lastDate.holds(at, step.length))
          step.lastDate.keep(at, step.length, step.kind == Kind::Date ? date(*step.field, at, number)
                                                                      : dateTime(*step.field, at, number));
        if (const auto& day = step.lastDate.value())
          into = *day;
        else
          into = rt::Null{};
        break;
      case Kind::Logical:
        if (const auto value = logical(*step.field, at, number))
          into = *value;
        else
          into = rt::Null{};
        break;
      case Kind::Long: into = static_cast<int32_t>(le32(at)); break;
      case Kind::Money: into = rt::Currency::fromRaw(le64(at)); break;
      case Kind::Double: into = std::bit_cast<double>(le64(at)); break;
      case Kind::Memo: into = memo(step, at, number); break;
    }
  }
}

bool RecordDecoder::flagSet(const char* record, int bit) const {
  return (uint8_t(record[layout_.nullFlagsOffset + bit / 8]) >> (bit % 8)) & 1;
}

void RecordDecoder::variableText(const Step& step, const char* record, long long number, rt::Variant& into) {
  const FieldLayout& f = *step.field;
  const char* at = record + step.offset;
  int length = step.length;
  if (f.varLengthBit >= 0 && flagSet(record, f.varLengthBit)) {
    length = uint8_t(at[step.length - 1]);
    if (length >= step.length)
      invalidValue(name_, number, f.name,
                    QStringLiteral("la longitud %1 no cabe en el campo de %2 bytes").arg(length).arg(step.length));
  }
  step.codec->decodeInto(at, length, into.makeString());
}

void RecordDecoder::illegibleNumber(const FieldLayout& f, const char* at, long long record) const {
  invalidValue(name_, record, f.name, QStringLiteral("el número %1 es ilegible").arg(shownBytes(at, f.length)));
}

std::optional<QDateTime> RecordDecoder::date(const FieldLayout& f, const char* at, long long record) {
  if (unpadded(at, 8).isEmpty() || QByteArrayView(at, 8) == "00000000") return std::nullopt;
  int parts[3] = {0, 0, 0};
  const int widths[3] = {4, 2, 2};
  const char* p = at;
  for (int i = 0; i < 3; ++i)
    for (int k = 0; k < widths[i]; ++k, ++p) {
      if (*p < '0' || *p > '9')
        invalidValue(name_, record, f.name, QStringLiteral("la fecha %1 es inválida").arg(shownBytes(at, 8)));
      parts[i] = parts[i] * 10 + (*p - '0');
    }
  const QDate day(parts[0], parts[1], parts[2]);
  if (!day.isValid())
    invalidValue(name_, record, f.name, QStringLiteral("la fecha %1 es inválida").arg(shownBytes(at, 8)));
  return rt::MakeDate(day);
}

std::optional<QDateTime> RecordDecoder::dateTime(const FieldLayout& f, const char* at, long long record) {
  if (unpadded(at, 8).isEmpty()) return std::nullopt;
  const long long julianDay = le32(at);
  const uint32_t ms = le32(at + 4);
  if (julianDay < kFirstJulianDay || julianDay > kLastJulianDay || ms >= kMsPerDay)
    invalidValue(name_, record, f.name,
                  QStringLiteral("la fecha y hora (día %1, %2 ms) es inválida").arg(julianDay).arg(ms));
  const qint64 seconds = (qint64(ms) + 500) / 1000;
  return rt::MakeDate(QDate::fromJulianDay(julianDay)).addSecs(seconds);
}

std::optional<bool> RecordDecoder::logical(const FieldLayout& f, const char* at, long long record) {
  switch (*at) {
    case 'T': case 't': case 'Y': case 'y': return true;
    case 'F': case 'f': case 'N': case 'n': return false;
    case ' ': case '?': case '\0': return std::nullopt;
    default:
      invalidValue(name_, record, f.name, QStringLiteral("el valor lógico %1 es inválido").arg(shownBytes(at, 1)));
  }
}

QString RecordDecoder::memo(const Step& step, const char* at, long long record) {
  const FieldLayout& f = *step.field;
  uint32_t block = 0;
  if (f.length == 4) {
    block = le32(at);
  } else {
    const QByteArrayView text = unpadded(at, f.length);
    auto [end, ec] = std::from_chars(text.begin(), text.end(), block);
    if (!text.isEmpty() && (ec != std::errc() || end != text.end()))
      invalidValue(name_, record, f.name,
                    QStringLiteral("el puntero de memo %1 es inválido").arg(shownBytes(at, f.length)));
  }
  if (block == 0) return QString();
  if (!memo_->holds(block))
    invalidValue(name_, record, f.name,
                  QStringLiteral("el memo apunta al bloque %1, fuera de los bloques de %2").arg(block).arg(memo_->name()));
  const QByteArray bytes = memo_->read(block, record, f.name);
  return step.codec->decode(bytes.constData(), bytes.size());
}

}  // namespace ado::dbf
