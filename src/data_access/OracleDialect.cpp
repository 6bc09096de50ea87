#include "data_access/OracleDialect.h"

#include <QRegularExpression>
#include <QStringList>

#include "platform/runtime/Dates.h"
#include "platform/runtime/Error.h"
#include "platform/runtime/Text.h"
#include "platform/suite/Utilidades.h"

namespace data_access {

namespace {

using rt::Compare;

QString replaceText(const QString& s, const QString& find, const QString& with) {
  return rt::Replace(s, find, with, Compare::Text);
}

// Oracle knows no table hints.
QString withoutTableHints(const QString& s) {
  static const QRegularExpression hint(QStringLiteral(R"(with\s*\(\s*nolock\s*\))"),
                                       QRegularExpression::CaseInsensitiveOption);
  QString out = s;
  return out.remove(hint);
}

// TOP n becomes a ROWNUM condition placed before GROUP BY / ORDER BY, so
// the limit is taken before the ordering.
QString rowLimit(const QString& s) {
  if (rt::InStr(s, QStringLiteral("top "), Compare::Text) == 0) return s;
  int top = rt::InStr(s, QStringLiteral("top"), Compare::Text);
  QString head = rt::Left(s, top - 1);
  QString rest = rt::Trim(rt::Mid(s, top + 3));
  int blank = rt::InStr(rest, QStringLiteral(" "));
  QString limit = blank ? rt::Left(rest, blank - 1) : rest;
  QString body = blank ? rt::Trim(rt::Mid(rest, blank + 1)) : QString();

  QString groupTail, orderTail;
  if (int g = rt::InStr(s, QStringLiteral(" GROUP BY "), Compare::Text)) groupTail = rt::Mid(s, g);
  else if (int o = rt::InStr(s, QStringLiteral("ORDER BY "), Compare::Text)) orderTail = rt::Mid(s, o);
  QString tail = rt::Trim(groupTail + orderTail);
  if (!tail.isEmpty()) body = replaceText(body, tail, QStringLiteral(" "));

  QString clause = rt::InStr(s, QStringLiteral(" WHERE "), Compare::Text) ? QStringLiteral(" AND ROWNUM <= ")
                                                                            : QStringLiteral(" WHERE ROWNUM <= ");
  return head + u' ' + body + u' ' + clause + limit + u' ' + groupTail + u' ' + orderTail;
}

QString lengthFunction(const QString& s) {
  QString out = s;
  for (int blanks = 0; blanks <= 4; ++blanks)
    out = replaceText(out, QStringLiteral(" LEN") + rt::Space(blanks) + u'(', QStringLiteral(" LENGTH("));
  return out;
}

QString quotedNames(const QString& s) {
  QString out = s;
  out.replace(u'[', u'"');
  out.replace(u']', u'"');
  return out;
}

// Every quoted text that reads as a date becomes TO_DATE('dd/mm/yyyy',...).
QString dateLiterals(const QString& s) {
  QStringList quoted;
  for (qsizetype open = s.indexOf(u'\''); open >= 0;) {
    qsizetype close = s.indexOf(u'\'', open + 1);
    if (close < 0) rt::raise(rt::err::InvalidCall);
    quoted << s.mid(open + 1, close - open - 1);
    open = s.indexOf(u'\'', close + 1);
  }
  QString out = s;
  for (const QString& text : quoted) {
    std::optional<QDateTime> d = rt::ParseDate(text);
    if (!d || !d->date().isValid()) continue;
    out = replaceText(out, u'\'' + text + u'\'',
                      QStringLiteral("TO_DATE('") + d->date().toString(QStringLiteral("dd/MM/yyyy")) +
                          QStringLiteral("','DD/MM/YYYY')"));
  }
  // A literal that already stood inside a TO_DATE is wrapped only once.
  while (rt::InStr(out, QStringLiteral("TO_DATE(TO_DATE("), Compare::Text))
    out = replaceText(out, QStringLiteral("TO_DATE(TO_DATE("), QStringLiteral("TO_DATE("));
  return replaceText(out, QStringLiteral("'DD/MM/YYYY'),'DD/MM/YYYY')"), QStringLiteral("'DD/MM/YYYY')"));
}

QString conversions(const QString& s) {
  QString out = replaceText(s, QStringLiteral("Charindex"), QStringLiteral("InStr"));
  out = replaceText(out, QStringLiteral("CONVERT(NVARCHAR,"), QStringLiteral("TO_CHAR("));
  return replaceText(out, QStringLiteral("CONVERT(INT,"), QStringLiteral("TO_NUMBER("));
}

// Oracle stores the empty text as NULL: comparisons with '' after the first
// WHERE become IS NULL.
QString emptyTextComparisons(const QString& s) {
  int where = rt::InStr(s, QStringLiteral("WHERE "), Compare::Text);
  if (where == 0) return s;
  QString out = rt::Left(s, where - 1) + replaceText(rt::Mid(s, where), QStringLiteral("= ''"), QStringLiteral(" IS NULL "));
  where = rt::InStr(out, QStringLiteral("WHERE "), Compare::Text);
  return rt::Left(out, where - 1) + replaceText(rt::Mid(out, where), QStringLiteral("=''"), QStringLiteral(" IS NULL "));
}

// Style 103 of a date conversion becomes the DD/MM/YYYY picture of TO_CHAR.
QString dateStyle103(const QString& s) {
  QString out = s;
  for (int at = rt::InStr(out, QStringLiteral("103")); at > 0; at = rt::InStr(at + 3, out, QStringLiteral("103"))) {
    QString before = rt::Left(out, at - 1);
    QString upToParen = rt::Left(before, rt::InStrRev(before, QStringLiteral("(")));
    if (rt::UCase(rt::Right(upToParen, 8)) == QStringLiteral("TO_CHAR("))
      out = before + QStringLiteral("'DD/MM/YYYY'") + rt::Mid(out, at + 3);
  }
  return out;
}

QString functions(const QString& s) {
  QString out = replaceText(s, QStringLiteral("SUBSTRING("), QStringLiteral("SUBSTR("));
  return replaceText(out, QStringLiteral("ISNULL("), QStringLiteral("NVL("));
}

}  // namespace

QString TranslateToOracle(const QString& statement) {
  if (suite::Utilidades().CuentaPalabras(statement) < 2)
    return rt::UCase(statement) == QStringLiteral("LEN") ? QStringLiteral("LENGTH") : statement;
  QString s = withoutTableHints(statement);
  s = rowLimit(s);
  s = lengthFunction(s);
  s = quotedNames(s);
  s = dateLiterals(s);
  s = conversions(s);
  s = emptyTextComparisons(s);
  s = dateStyle103(s);
  return functions(s);
}

QString DescartaSentenciaNoOracle(const QString& statement) {
  if (rt::InStr(statement, QStringLiteral("SET NOCOUNT"), Compare::Text) ||
      rt::InStr(statement, QStringLiteral("IF NOT EXIST"), Compare::Text))
    return QString();
  return statement;
}

}  // namespace data_access
