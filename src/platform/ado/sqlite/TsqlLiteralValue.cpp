#include "platform/ado/sqlite/TsqlLiteralValue.h"

#include <charconv>

#include "platform/ado/sqlite/ErrorMap.h"
#include "platform/runtime/Dates.h"

namespace ado::sqlite::tsql {

namespace {

// 'dd/mm/yyyy', 'd-m-yy hh:mm'...: day first, as the program writes dates.
bool LooksDayFirst(QStringView text) {
  qsizetype i = 0;
  while (i < text.size() && text[i] == u' ') ++i;
  const qsizetype digits = i;
  while (i < text.size() && i - digits < 3 && text[i].isDigit()) ++i;
  return i - digits >= 1 && i - digits <= 2 && i < text.size() &&
         (text[i] == u'/' || text[i] == u'-' || text[i] == u'.');
}

LiteralValue Real(double value) {
  LiteralValue v;
  v.type = LiteralValue::Type::Real;
  v.real = value;
  return v;
}

LiteralValue Integer(int64_t value) {
  LiteralValue v;
  v.type = LiteralValue::Type::Integer;
  v.integer = value;
  return v;
}

LiteralValue Stored(const StoredNumber& number) {
  if (const int64_t* whole = std::get_if<int64_t>(&number)) return Integer(*whole);
  return Real(std::get<double>(number));
}

// A number token (digits, ".", an exponent): read from its ASCII form.
// What the standard reader does not take whole (a value out of range) is
// left to Qt's reader, which gives an infinity or 0 there.
LiteralValue NumberValue(QStringView text) {
  char ascii[64];
  if (text.size() >= static_cast<qsizetype>(sizeof ascii)) return Real(text.toDouble());
  bool whole = true;
  for (qsizetype i = 0; i < text.size(); ++i) {
    ascii[i] = static_cast<char>(text[i].unicode());
    whole = whole && text[i].isDigit();
  }
  const char* end = ascii + text.size();
  if (whole) {
    long long value = 0;
    const auto [at, error] = std::from_chars(ascii, end, value);
    if (error == std::errc() && at == end) return Integer(value);
  }
  double value = 0;
  const auto [at, error] = std::from_chars(ascii, end, value);
  return Real(error == std::errc() && at == end ? value : text.toDouble());
}

}  // namespace

LiteralValue ValueOf(const TokenizedText& text, const ParamSlot& slot, QString& scratch) {
  const Literal& literal = text.literals[static_cast<size_t>(slot.literal)];
  const QStringView written = QStringView(text.source).mid(literal.begin, literal.length);
  LiteralValue v;
  if (literal.isString) {
    v.text = written;
    if (literal.doubledQuotes) {
      scratch = text.literalText(literal);
      v.text = scratch;
    }
  } else {
    v = NumberValue(written);
  }
  const Conversion& conversion = slot.conversion;
  switch (conversion.kind) {
    case Conversion::Kind::None: break;
    case Conversion::Kind::Date:
      if (literal.isString && LooksDayFirst(v.text)) {
        if (auto date = rt::ParseDate(v.text, rt::TwoDigitYears::SqlServer)) {
          scratch = rt::IsoDateText(*date);
          v.text = scratch;
        } else {
          v.type = LiteralValue::Type::InvalidDate;
        }
      }
      break;
    case Conversion::Kind::Whole:
      try {
        if (literal.isString) return Integer(WholeFromText(v.text, conversion.whole));
        const int64_t sign = conversion.negated ? -1 : 1;
        if (v.type == LiteralValue::Type::Integer)
          return Integer(sign * WholeFromInteger(sign * v.integer, conversion.whole));
        if (conversion.negated) return Integer(-WholeFromNumber(u'-' + written.toString(), conversion.whole));
        return Integer(WholeFromNumber(written, conversion.whole));
      } catch (const ConversionRefused& refused) {
        // Only a statement that writes converts a literal so.
        throw MakeStatementFailure(refused.condition, refused.args, true);
      }
    case Conversion::Kind::Fixed:  // rounding half away from zero: the sign makes no difference
      if (v.type == LiteralValue::Type::Integer) break;
      if (const std::optional<StoredNumber> rounded =
              RoundedNumber(literal.isString ? v.text : written, !literal.isString, conversion.scale))
        return Stored(*rounded);
      break;
  }
  return v;
}

QString SqlWithLiterals(const CompiledStatement& compiled, const TokenizedText& text) {
  QString sql = compiled.sql;
  // Every "?" of such a statement stands for a literal, in order.
  qsizetype at = 0;
  for (const ParamSlot& slot : compiled.paramSlots) {
    const Literal& l = text.literals[static_cast<size_t>(slot.literal)];
    QString literal = QStringView(text.source).mid(l.begin, l.length).toString();
    if (l.isString) literal = u'\'' + text.literalText(l).replace(u'\'', QStringLiteral("''")) + u'\'';
    at = sql.indexOf(u'?', at);
    sql.replace(at, 1, literal);
    at += literal.size();
  }
  return sql;
}

}  // namespace ado::sqlite::tsql
