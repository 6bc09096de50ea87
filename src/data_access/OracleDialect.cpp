#include "data_access/OracleDialect.h"

#include <QDateTime>
#include <QRegularExpression>
#include <optional>
#include <utility>

#include "data_access/OracleConditions.h"
#include "data_access/OracleRowLimit.h"
#include "data_access/OracleTokens.h"
#include "platform/runtime/Dates.h"
#include "platform/runtime/Text.h"
#include "platform/suite/Utilidades.h"

namespace data_access {

namespace {

using namespace oracle;

bool isCall(const Tokens& t, size_t i, std::string_view function) {
  return t[i].is(function) && i + 1 < t.size() && t[i + 1].isSymbol(u"(");
}

// The arguments of the call whose "(" is at `open`: [begin, end) each.
std::vector<std::pair<size_t, size_t>> argumentsOf(const Tokens& t, size_t open) {
  std::vector<std::pair<size_t, size_t>> arguments;
  const size_t close = Closing(t, open);
  size_t begin = open + 1;
  for (size_t i = begin; i < close; ++i) {
    if (t[i].isSymbol(u"(")) {
      i = Closing(t, i);
    } else if (t[i].isSymbol(u",")) {
      arguments.emplace_back(begin, i);
      begin = i + 1;
    }
  }
  if (begin < close || !arguments.empty()) arguments.emplace_back(begin, close);
  return arguments;
}

// IF [NOT] EXISTS (q) followed by an INSERT, UPDATE or DELETE, which the
// script runner keeps together, becomes that one statement doing its work
// only under the condition: INSERT ... SELECT values FROM DUAL WHERE
// [NOT] EXISTS (q), or the condition ANDed to the WHERE.
void conditionalStatement(Statement& s) {
  Tokens& t = s.tokens;
  if (t.size() < 5 || !t[0].is("IF")) return;
  const size_t exists = t[1].is("NOT") ? 2 : 1;
  if (!t[exists].is("EXISTS") || !t[exists + 1].isSymbol(u"(")) return;
  const size_t close = Closing(t, exists + 1);
  if (close + 1 >= t.size()) return;
  const Token& verb = t[close + 1];
  if (!verb.isAnyOf({"INSERT", "UPDATE", "DELETE"})) return;

  Tokens condition(t.begin() + 1, t.begin() + static_cast<std::ptrdiff_t>(close) + 1);
  condition.front().gap = QStringLiteral(" ");
  const QString lead = t[0].gap;
  t.erase(t.begin(), t.begin() + static_cast<std::ptrdiff_t>(close) + 1);
  t[0].gap = lead;
  if (!t[0].is("INSERT")) return AndWhere(s, 0, t.size(), condition);

  const size_t values = FindAtLevel(t, 0, t.size(), "VALUES");
  if (values + 1 < t.size() && t[values + 1].isSymbol(u"(") && Closing(t, values + 1) == t.size() - 1) {
    t[values].text = QStringLiteral("SELECT");
    t.pop_back();
    Erase(s, values + 1, values + 2);
    if (t[values + 1].gap.isEmpty()) t[values + 1].gap = QStringLiteral(" ");
    Tokens where{Word(QStringLiteral("FROM")), Word(QStringLiteral("DUAL")), Word(QStringLiteral("WHERE"))};
    where.insert(where.end(), condition.begin(), condition.end());
    Insert(s, t.size(), where);
    return;
  }
  const size_t select = FindAtLevel(t, 0, t.size(), "SELECT");
  if (select == t.size()) return;  // no row source Oracle can take a condition on: the insert runs as it stands
  Tokens after{Symbol(QStringLiteral(")")), Word(QStringLiteral("WHERE"))};
  after.insert(after.end(), condition.begin(), condition.end());
  Enclose(s, select, t.size(),
          {Word(QStringLiteral("SELECT")), Symbol(QStringLiteral("*"), QStringLiteral(" ")),
           Word(QStringLiteral("FROM")), Symbol(QStringLiteral("("), QStringLiteral(" "))},
          after);
}

// WITH (NOLOCK): Oracle's readers never wait for writers.
void tableHints(Statement& s) {
  for (size_t i = s.tokens.size(); i-- > 0;) {
    const Tokens& t = s.tokens;
    if (i + 3 < t.size() && t[i].is("WITH") && t[i + 1].isSymbol(u"(") && t[i + 2].is("NOLOCK") &&
        t[i + 3].isSymbol(u")"))
      Erase(s, i, i + 4);
  }
}

void ownerDbo(Statement& s) {
  for (size_t i = s.tokens.size(); i-- > 0;) {
    const Tokens& t = s.tokens;
    if (i + 1 < t.size() && ado::sqlite::tsql::IsOwnerDbo(t[i].text, t[i].kind) && t[i + 1].isSymbol(u"."))
      Erase(s, i, i + 2);
  }
}

// ALTER TABLE t DISABLE|ENABLE TRIGGER ALL is ALL TRIGGERS on Oracle.
void triggers(Statement& s) {
  Tokens& t = s.tokens;
  for (size_t i = 0; i + 2 < t.size(); ++i)
    if ((t[i].is("DISABLE") || t[i].is("ENABLE")) && t[i + 1].is("TRIGGER") && t[i + 2].is("ALL")) {
      t[i + 1].text = QStringLiteral("ALL");
      t[i + 2].text = QStringLiteral("TRIGGERS");
    }
}

void functions(Statement& s) {
  for (size_t i = s.tokens.size(); i-- > 0;) {
    Tokens& t = s.tokens;
    if (isCall(t, i, "LEN")) {
      // LEN leaves trailing blanks out; LENGTH counts them.
      t[i].text = QStringLiteral("LENGTH");
      t[i + 1].gap.clear();
      Enclose(s, i + 2, Closing(t, i + 1), {Word(QStringLiteral("RTRIM")), Symbol(QStringLiteral("("))},
              {Symbol(QStringLiteral(")"))});
    } else if (isCall(t, i, "CHARINDEX")) {
      const auto arguments = argumentsOf(t, i + 1);
      t[i].text = QStringLiteral("INSTR");
      if (arguments.size() < 2) continue;
      // INSTR takes the text first, then what is looked for.
      const auto [a, b] = std::pair(arguments[0], arguments[1]);
      Tokens sought(t.begin() + static_cast<std::ptrdiff_t>(a.first),
                    t.begin() + static_cast<std::ptrdiff_t>(a.second));
      Tokens text(t.begin() + static_cast<std::ptrdiff_t>(b.first), t.begin() + static_cast<std::ptrdiff_t>(b.second));
      if (sought.empty() || text.empty()) continue;
      std::swap(sought.front().gap, text.front().gap);
      Tokens swapped = text;
      swapped.push_back(t[a.second]);
      swapped.insert(swapped.end(), sought.begin(), sought.end());
      t.erase(t.begin() + static_cast<std::ptrdiff_t>(a.first), t.begin() + static_cast<std::ptrdiff_t>(b.second));
      Insert(s, a.first, swapped);
    } else if (isCall(t, i, "SUBSTRING")) {
      t[i].text = QStringLiteral("SUBSTR");
    } else if (isCall(t, i, "ISNULL")) {
      t[i].text = QStringLiteral("NVL");
    } else if (isCall(t, i, "CONVERT") && i + 3 < t.size() && t[i + 3].isSymbol(u",")) {
      // CONVERT(NVARCHAR, x[, 103]) and CONVERT(INT, x).
      const bool toText = t[i + 2].is("NVARCHAR");
      if (!toText && !t[i + 2].is("INT")) continue;
      const auto arguments = argumentsOf(t, i + 1);
      if (toText && arguments.size() == 3 && arguments[2].second == arguments[2].first + 1 &&
          t[arguments[2].first].text == u"103")
        t[arguments[2].first] = StringLiteral(QStringLiteral("DD/MM/YYYY"), t[arguments[2].first].gap);
      t[i].text = toText ? QStringLiteral("TO_CHAR") : QStringLiteral("TO_NUMBER");
      Erase(s, i + 2, i + 4);
    }
  }
}

void quotedNames(Statement& s) {
  for (Token& t : s.tokens)
    if (t.kind == TokenKind::Bracketed) {
      QString name = ado::sqlite::tsql::NameOfToken(t.text, t.kind);
      t.text = u'"' + name.replace(u'"', QStringLiteral("\"\"")) + u'"';
      t.kind = TokenKind::QuotedName;
    }
}

// d/m/yy or d/m/yyyy, with an optional hh:mm or hh:mm:ss: the program's
// date texts, read with SQL Server's two-digit years (00-49 are 20xx).
std::optional<QDateTime> dateOf(const QString& text, bool& withTime) {
  static const QRegularExpression date(
      QStringLiteral(R"(^\d{1,2}/\d{1,2}/(?:\d{2}|\d{4})(?: +\d{1,2}:\d{2}(?::\d{2})?)?$)"));
  if (!date.match(text).hasMatch()) return std::nullopt;
  withTime = text.contains(u':');
  return rt::ParseDate(text, rt::TwoDigitYears::SqlServer);
}

// Every date text becomes its own TO_DATE, with four-digit year and its
// time; texts of patterns and of Oracle's own conversions stay.
void dateLiterals(Statement& s) {
  for (size_t i = s.tokens.size(); i-- > 0;) {
    const Tokens& t = s.tokens;
    if (!t[i].isString() || (i > 0 && t[i - 1].is("LIKE"))) continue;
    if (i > 1 && t[i - 1].isSymbol(u"(") && (t[i - 2].is("TO_DATE") || t[i - 2].is("TO_CHAR"))) continue;
    bool withTime = false;
    const std::optional<QDateTime> d = dateOf(ValueOf(t[i]), withTime);
    if (!d) continue;
    const QString gap = t[i].gap;
    const Tokens call{
        Word(QStringLiteral("TO_DATE"), gap),
        Symbol(QStringLiteral("(")),
        StringLiteral(d->toString(withTime ? QStringLiteral("dd/MM/yyyy HH:mm:ss") : QStringLiteral("dd/MM/yyyy")),
                      QString()),
        Symbol(QStringLiteral(",")),
        StringLiteral(withTime ? QStringLiteral("DD/MM/YYYY HH24:MI:SS") : QStringLiteral("DD/MM/YYYY"), QString()),
        Symbol(QStringLiteral(")"))};
    s.tokens.erase(s.tokens.begin() + static_cast<std::ptrdiff_t>(i));
    Insert(s, i, call);
  }
}

}  // namespace

QString TranslateToOracle(const QString& statement) {
  if (suite::Utilidades().CuentaPalabras(statement) < 2)
    return rt::UCase(statement) == QStringLiteral("LEN") ? QStringLiteral("LENGTH") : statement;
  Statement s = Tokenize(statement);
  conditionalStatement(s);
  tableHints(s);
  ownerDbo(s);
  triggers(s);
  RewriteRowLimits(s);
  functions(s);
  quotedNames(s);
  RewriteComparisons(s);
  RewriteLikeEscapes(s);
  dateLiterals(s);
  return s.text();
}

QString DescartaSentenciaNoOracle(const QString& statement) {
  const Tokens t = Tokenize(statement).tokens;
  for (size_t i = 0; i + 1 < t.size(); ++i) {
    const bool noCount = t[i].is("SET") && t[i + 1].is("NOCOUNT");
    const bool ifNotExists = i + 2 < t.size() && t[i].is("IF") && t[i + 1].is("NOT") && t[i + 2].is("EXISTS");
    if (noCount || ifNotExists) return QString();
  }
  return statement;
}

}  // namespace data_access
