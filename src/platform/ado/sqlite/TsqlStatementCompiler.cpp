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
    if (isWord(b, r, "CHECKPOINT")) {
      if (r.end != b + 1) Refuse(QStringLiteral("CHECKPOINT con duración"));
      return Of(Kind::Checkpoint);
    }
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
  // ALTER TABLE t ADD column definition: SQLite's ADD COLUMN.
  CompiledStatement alterTable(TokenRange r) const {
    int32_t k = r.begin + 1;
    if (!isWord(k++, r, "TABLE")) Refuse(QStringLiteral("ALTER"));
    k = tableName(k, r);
    const bool switchesTriggers = isName(k, r) && (isWord(k + 1, r, "DISABLE") || isWord(k + 1, r, "ENABLE")) &&
                                  isWord(k + 2, r, "TRIGGER") && isWord(k + 3, r, "ALL") && k + 4 == r.end;
    if (switchesTriggers) return Of(Kind::NoOp);
    if (isName(k, r) && isWord(k + 1, r, "ADD")) return addColumn(r, k, k + 2);
    Refuse(QStringLiteral("ALTER TABLE"));
  }

  // Where the table's own name stands in a name that starts at `k`, as the
  // other statements take it: after the owner dbo at most.
  int32_t tableName(int32_t k, TokenRange r) const {
    int32_t last = k;
    while (isName(last, r) && isSymbol(last + 1, r, u".")) last += 2;
    if (last > k + 2 || (last == k + 2 && !IsOwnerDbo(text(k), kind(k)))) RefuseQualifiedTable();
    return last;
  }

  // column type [(width)] [NULL | NOT NULL] [CONSTRAINT name DEFAULT (value)]:
  // a text column compares under CI_AS like every text column of the schema.
  CompiledStatement addColumn(TokenRange r, int32_t table, int32_t k) const {
    if (isWord(k, r, "COLUMN")) ++k;
    const int32_t type = k + 1;
    if (!isName(k, r) || type >= r.end || kind(type) != TokenKind::Word) Refuse(QStringLiteral("ALTER TABLE ADD"));
    bool textType = false;
    for (std::string_view t : {"CHAR", "VARCHAR", "NCHAR", "NVARCHAR", "TEXT", "NTEXT"})
      textType = textType || IsKeyword(text(type), t);
    int32_t afterType = type + 1;
    if (isSymbol(afterType, r, u"(")) {
      while (afterType < r.end && !isSymbol(afterType, r, u")")) ++afterType;
      ++afterType;
    }

    CompiledStatement c = Of(Kind::Sql);
    c.inlineLiterals = true;
    c.sql = QStringLiteral("ALTER TABLE ") + name(table) + QStringLiteral(" ADD COLUMN ") + name(k);
    for (int32_t i = type; i < r.end; ++i) {
      if (i == afterType && textType) c.sql += QStringLiteral(" COLLATE CI_AS");
      const Token& t = text_.tokens[static_cast<size_t>(i)];
      if (t.kind == TokenKind::Other || t.kind == TokenKind::Variable) Refuse(QStringLiteral("ALTER TABLE ADD"));
      if (t.spaceBefore || i == type) c.sql += u' ';
      if (t.literal < 0) {
        c.sql += name(i);
      } else {
        c.sql += u'?';
        c.paramSlots.push_back({t.literal, {}});
      }
    }
    if (afterType >= r.end && textType) c.sql += QStringLiteral(" COLLATE CI_AS");
    // Binding writes the literals where the "?" stand: a name may hold none.
    if (c.sql.count(u'?') != static_cast<qsizetype>(c.paramSlots.size())) Refuse(QStringLiteral("ALTER TABLE ADD"));
    return c;
  }

  bool isName(int32_t i, TokenRange r) const {
    return i < r.end &&
           (kind(i) == TokenKind::Word || kind(i) == TokenKind::Bracketed || kind(i) == TokenKind::QuotedName);
  }
  // A name as SQLite reads it; SQLite would read a "name" it does not know
  // as a string.
  QString name(int32_t i) const {
    if (kind(i) != TokenKind::Bracketed && kind(i) != TokenKind::QuotedName) return text(i).toString();
    return SqliteName(NameOfToken(text(i), kind(i)));
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
