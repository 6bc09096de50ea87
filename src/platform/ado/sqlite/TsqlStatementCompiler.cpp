#include "platform/ado/sqlite/TsqlStatementCompiler.h"

#include "platform/ado/sqlite/TsqlRefusal.h"
#include "platform/ado/sqlite/TsqlRewriter.h"
#include "platform/ado/sqlite/TsqlScriptSplitter.h"

namespace ado::sqlite::tsql {

namespace {

using Kind = Statement::Kind;

class StatementCompiler {
 public:
  StatementCompiler(const TokenizedText& text, const SchemaInfo& schema) : text_(text), schema_(schema) {}

  CompiledStatement compile(TokenRange r) {
    const int32_t b = r.begin;
    if (isSymbol(b, r, u"(")) return RewriteSql(text_, r, schema_);
    for (std::string_view dml : {"SELECT", "INSERT", "UPDATE", "DELETE"})
      if (isWord(b, r, dml)) return RewriteSql(text_, r, schema_);
    if (isWord(b, r, "IF")) return compileIf(r);
    if (isWord(b, r, "BEGIN")) {
      if (!isWord(b + 1, r, "TRAN") && !isWord(b + 1, r, "TRANSACTION"))
        Refuse(QStringLiteral("bloque BEGIN ... END"));
      return transaction(r, Kind::BeginTran);
    }
    if (isWord(b, r, "COMMIT")) return transaction(r, Kind::CommitTran);
    if (isWord(b, r, "ROLLBACK")) return transaction(r, Kind::RollbackTran);
    if (isWord(b, r, "ALTER")) return alterTable(r);
    Refuse(text(b).toString().toUpper());
  }

 private:
  QStringView text(int32_t i) const { return text_.text(text_.tokens[static_cast<size_t>(i)]); }
  TokenKind kind(int32_t i) const { return text_.tokens[static_cast<size_t>(i)].kind; }
  bool isWord(int32_t i, TokenRange r, std::string_view keyword) const {
    return i >= r.begin && i < r.end && kind(i) == TokenKind::Word && IsKeyword(text(i), keyword);
  }
  bool isSymbol(int32_t i, TokenRange r, QStringView symbol) const {
    return i >= r.begin && i < r.end && kind(i) == TokenKind::Symbol && text(i) == symbol;
  }

  // BEGIN TRAN[SACTION] [name], COMMIT / ROLLBACK [TRAN[SACTION] | WORK] [name].
  static CompiledStatement Of(Kind kind) {
    CompiledStatement c;
    c.kind = kind;
    return c;
  }
  CompiledStatement transaction(TokenRange r, Kind which) const {
    int32_t k = r.begin + 1;
    if (isWord(k, r, "TRAN") || isWord(k, r, "TRANSACTION")) {
      ++k;
      if (k < r.end && (kind(k) == TokenKind::Word || kind(k) == TokenKind::Bracketed)) ++k;  // its name
    } else if (which != Kind::BeginTran && isWord(k, r, "WORK")) {
      ++k;
    }
    if (k != r.end) Refuse(text(r.begin).toString().toUpper() + QStringLiteral(" TRANSACTION con opciones"));
    return Of(which);
  }

  // ALTER TABLE t DISABLE|ENABLE TRIGGER ALL: SQLite cannot switch triggers
  // off; the statement is accepted and has no effect.
  // ALTER TABLE t ADD column type [Null|Not Null] [CONSTRAINT n DEFAULT (v)]:
  // SQLite's own ADD COLUMN, a text column with the schema's collation.
  CompiledStatement alterTable(TokenRange r) const {
    int32_t k = r.begin + 1;
    if (!isWord(k++, r, "TABLE")) Refuse(QStringLiteral("ALTER"));
    const auto isName = [&](int32_t i) {
      return i < r.end && (kind(i) == TokenKind::Word || kind(i) == TokenKind::Bracketed);
    };
    while (isName(k) && isSymbol(k + 1, r, u".")) k += 2;  // [dbo].[t]
    const bool switchesTriggers = isName(k) && (isWord(k + 1, r, "DISABLE") || isWord(k + 1, r, "ENABLE")) &&
                                  isWord(k + 2, r, "TRIGGER") && isWord(k + 3, r, "ALL") && k + 4 == r.end;
    if (switchesTriggers) return Of(Kind::NoOp);
    if (isName(k) && isWord(k + 1, r, "ADD") && isName(k + 2) && isName(k + 3)) return addColumn(r, k);
    Refuse(QStringLiteral("ALTER TABLE"));
  }
  // The column's literals (its default) go into the text itself: SQLite
  // takes no parameters in a column definition.
  CompiledStatement addColumn(TokenRange r, int32_t table) const {
    CompiledStatement c = Of(Kind::Sql);
    c.literalsInline = true;
    c.sql = QStringLiteral("ALTER TABLE ") + text(table).toString() + QStringLiteral(" ADD COLUMN ") +
            text(table + 2).toString() + u' ' + text(table + 3).toString();
    int32_t k = table + 4;
    if (isSymbol(k, r, u"(")) {  // the type's width
      while (k < r.end && !isSymbol(k, r, u")")) c.sql += text(k++);
      if (k == r.end) Refuse(QStringLiteral("paréntesis sin pareja"));
      c.sql += text(k++);
    }
    static const std::string_view textTypes[] = {"CHAR", "VARCHAR", "NCHAR", "NVARCHAR", "TEXT", "NTEXT"};
    for (std::string_view type : textTypes)
      if (isWord(table + 3, r, type)) c.sql += QStringLiteral(" COLLATE CI_AS");
    for (; k < r.end; ++k) {
      if (kind(k) == TokenKind::Other || kind(k) == TokenKind::Variable) Refuse(QStringLiteral("ALTER TABLE ADD"));
      QStringView token = text(k);
      if (kind(k) == TokenKind::String && !token.startsWith(u'\'')) token = token.mid(1);  // N'...'
      if (text_.tokens[static_cast<size_t>(k)].spaceBefore) c.sql += u' ';
      c.sql += token;
    }
    return c;
  }

  // IF [NOT] EXISTS (query) statement
  CompiledStatement compileIf(TokenRange r) {
    int32_t k = r.begin + 1;
    CompiledStatement c = Of(Kind::IfExists);
    c.negate = isWord(k, r, "NOT");
    if (c.negate) ++k;
    if (!isWord(k, r, "EXISTS") || !isSymbol(k + 1, r, u"(")) Refuse(QStringLiteral("IF sin EXISTS"));
    const int32_t open = k + 1;
    int32_t close = open, depth = 0;
    for (; close < r.end; ++close) {
      if (isSymbol(close, r, u"(")) ++depth;
      else if (isSymbol(close, r, u")") && --depth == 0) break;
    }
    if (close >= r.end) Refuse(QStringLiteral("paréntesis sin pareja"));
    const TokenRange test{open + 1, close}, then{close + 1, r.end};
    if (test.empty() || !(isWord(test.begin, r, "SELECT") || isSymbol(test.begin, r, u"(")))
      Refuse(QStringLiteral("IF EXISTS sin consulta"));
    if (then.empty()) Refuse(QStringLiteral("IF sin sentencia"));
    refuseElse(then);
    const CompiledStatement query = RewriteSql(text_, test, schema_);
    c.sql = query.sql;
    c.paramSlots = query.paramSlots;
    c.then.push_back(compile(then));
    return c;
  }
  void refuseElse(TokenRange r) const {
    int depth = 0, cases = 0;
    for (int32_t i = r.begin; i < r.end; ++i) {
      if (isSymbol(i, r, u"(")) ++depth;
      else if (isSymbol(i, r, u")")) --depth;
      else if (depth == 0 && isWord(i, r, "CASE")) ++cases;
      else if (depth == 0 && isWord(i, r, "END")) --cases;
      else if (depth == 0 && cases == 0 && isWord(i, r, "ELSE")) Refuse(QStringLiteral("IF con ELSE"));
    }
  }

  const TokenizedText& text_;
  const SchemaInfo& schema_;
};

}  // namespace

CompiledScript CompileScript(const TokenizedText& text, const SchemaInfo& schema) {
  StatementCompiler compiler(text, schema);
  CompiledScript script;
  for (TokenRange r : SplitStatements(text)) script.push_back(compiler.compile(r));
  return script;
}

}  // namespace ado::sqlite::tsql
