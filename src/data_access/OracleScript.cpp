#include "data_access/OracleScript.h"

#include <algorithm>

#include "data_access/OracleDialect.h"
#include "platform/runtime/Text.h"

namespace data_access {

namespace {

using rt::Compare;

// A keyword found at or beyond this position counts as not found.
constexpr int kNotFound = 1999999;

const QString kKeywords[] = {QStringLiteral("INSERT "),         QStringLiteral("DELETE "),    QStringLiteral("UPDATE "),
                             QStringLiteral("CREATE "),         QStringLiteral("DROP "),      QStringLiteral("ALTER "),
                             QStringLiteral("SET TRANSACTION"), QStringLiteral("COMMIT"),     QStringLiteral("ROLLBACK"),
                             QStringLiteral("IF NOT EXIST"),    QStringLiteral("IF EXIST"),   QStringLiteral("GRANT ")};

// The first position at or after `start` where any keyword begins.
int nextKeyword(const QString& script, int start) {
  int first = kNotFound;
  for (const QString& k : kKeywords) {
    int at = rt::InStr(start, script, k, Compare::Text);
    if (at > 0) first = std::min(first, at);
  }
  return first;
}

QString normalised(const QString& script) {
  const QString crlf = QStringLiteral("\r\n");
  struct Step {
    QString find, with;
  };
  const Step steps[] = {{QStringLiteral("SET NOCOUNT ON"), QString()},
                        {QStringLiteral("SET NOCOUNT OFF"), QString()},
                        {QStringLiteral(" GO "), QStringLiteral(" ")},
                        {crlf + QStringLiteral("GO "), QStringLiteral(" ")},
                        {crlf + QStringLiteral("GO "), QStringLiteral(" ")},
                        {crlf + QStringLiteral("GO") + crlf, QStringLiteral(" ")},
                        {QStringLiteral("\r"), QStringLiteral(" ")},
                        {crlf, QStringLiteral(" ")},
                        {QStringLiteral("BEGIN TRANSACTION"), QStringLiteral("SET TRANSACTION")},
                        {QStringLiteral("BEGIN TRANS"), QStringLiteral("SET TRANSACTION")},
                        {QStringLiteral("COMMIT TRANSACTION"), QStringLiteral("COMMIT")},
                        {QStringLiteral("COMMIT TRANS"), QStringLiteral("COMMIT")},
                        {QStringLiteral("ROLLBACK TRANSACTION"), QStringLiteral("ROLLBACK")},
                        {QStringLiteral("ROLLBACK TRANS"), QStringLiteral("ROLLBACK")}};
  QString out = script;
  for (const Step& s : steps) out = rt::Replace(out, s.find, s.with, Compare::Text);
  return out;
}

void runPiece(const QString& piece, long& recordsAffected, ScriptConnection& connection) {
  if (rt::EqualsText(piece, QStringLiteral("SET TRANSACTION"))) return connection.BeginTrans();
  if (rt::EqualsText(piece, QStringLiteral("COMMIT"))) return connection.CommitTrans();
  if (rt::EqualsText(piece, QStringLiteral("ROLLBACK"))) return connection.RollbackTrans();
  QString statement = DescartaSentenciaNoOracle(connection.Translate(piece));
  if (!rt::Trim(statement).isEmpty()) recordsAffected += connection.Execute(statement);
}

}  // namespace

void RunOracleScript(QString& script, long& recordsAffected, ScriptConnection& connection) {
  script = normalised(script);
  // Text before the first keyword is no statement of the script.
  for (int start = nextKeyword(script, 1); start < kNotFound; start = nextKeyword(script, 1)) {
    int end = nextKeyword(script, start + 1);
    runPiece(rt::Trim(rt::Mid(script, start, end - start)), recordsAffected, connection);
    script = end < kNotFound ? rt::Mid(script, end) : QString();
  }
  const std::vector<ado::Error>& errors = connection.Errors().all();
  if (errors.size() == 1 && errors.front().Number == 265929) connection.Errors().Clear();
}

}  // namespace data_access
