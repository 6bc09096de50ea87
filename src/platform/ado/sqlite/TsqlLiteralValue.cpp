#include "platform/ado/sqlite/TsqlLiteralValue.h"

#include <charconv>

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
    if (error == std::errc() && at == end) {
      LiteralValue v;
      v.type = LiteralValue::Type::Integer;
      v.integer = value;
      return v;
    }
  }
  double value = 0;
  const auto [at, error] = std::from_chars(ascii, end, value);
  return Real(error == std::errc() && at == end ? value : text.toDouble());
}

}  // namespace

LiteralValue ValueOf(const TokenizedText& text, const ParamSlot& slot, QString& scratch) {
  const Literal& literal = text.literals[static_cast<size_t>(slot.literal)];
  const QStringView written = QStringView(text.source).mid(literal.begin, literal.length);
  if (!literal.isString) return NumberValue(written);
  LiteralValue v;
  v.text = written;
  if (literal.doubledQuotes) {
    scratch = text.literalText(literal);
    v.text = scratch;
  }
  if (slot.dateBound && LooksDayFirst(v.text)) {
    if (auto date = rt::ParseDate(v.text, rt::TwoDigitYears::SqlServer)) {
      scratch = rt::IsoDateText(*date);
      v.text = scratch;
    } else {
      v.type = LiteralValue::Type::InvalidDate;
    }
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
