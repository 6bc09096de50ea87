#include "platform/ado/sqlite/TsqlTranslator.h"

#include <atomic>

#include "platform/ado/sqlite/TranslationCache.h"
#include "platform/ado/sqlite/TsqlStatementCompiler.h"
#include "platform/ado/sqlite/TsqlTokenizer.h"
#include "platform/runtime/Dates.h"

namespace ado::sqlite {

namespace {

uint64_t NextSchemaIdentity() {
  static std::atomic<uint64_t> next{1};
  return next.fetch_add(1, std::memory_order_relaxed);
}

// 'dd/mm/yyyy', 'd-m-yy hh:mm'...: day first, as the program writes dates.
bool LooksDayFirst(const QString& text) {
  qsizetype i = 0;
  while (i < text.size() && text[i] == u' ') ++i;
  const qsizetype digits = i;
  while (i < text.size() && i - digits < 3 && text[i].isDigit()) ++i;
  return i - digits >= 1 && i - digits <= 2 && i < text.size() &&
         (text[i] == u'/' || text[i] == u'-' || text[i] == u'.');
}

rt::Variant NumberValue(QStringView text) {
  bool whole = true;
  for (QChar c : text) whole = whole && c.isDigit();
  bool ok = false;
  if (whole) {
    const qlonglong value = text.toLongLong(&ok);
    if (ok) return rt::Variant(static_cast<int64_t>(value));
  }
  return rt::Variant(text.toDouble());
}

rt::Variant ParamValue(const tsql::TokenizedText& text, const tsql::ParamSlot& slot) {
  const tsql::Literal& literal = text.literals[static_cast<size_t>(slot.literal)];
  if (!literal.isString) return NumberValue(QStringView(text.source).mid(literal.begin, literal.length));
  QString value = text.literalText(literal);
  if (slot.dateBound && LooksDayFirst(value)) {
    // Text that is not a valid date is stored as written.
    if (auto date = rt::ParseDate(value)) return rt::Variant(rt::IsoDateText(*date));
  }
  return rt::Variant(std::move(value));
}

// A literal written into the statement as SQL text.
QString InlineLiteral(const tsql::TokenizedText& text, const tsql::ParamSlot& slot) {
  const tsql::Literal& literal = text.literals[static_cast<size_t>(slot.literal)];
  if (!literal.isString) return QStringView(text.source).mid(literal.begin, literal.length).toString();
  QString value = text.literalText(literal);
  return u'\'' + value.replace(u'\'', QStringLiteral("''")) + u'\'';
}

Statement Bind(const tsql::CompiledStatement& compiled, const tsql::TokenizedText& text) {
  Statement s;
  s.kind = compiled.kind;
  s.sql = compiled.sql;
  s.negate = compiled.negate;
  if (compiled.inlineLiterals) {
    // Every "?" of such a statement stands for a literal, in order.
    qsizetype at = 0;
    for (const tsql::ParamSlot& slot : compiled.paramSlots) {
      at = s.sql.indexOf(u'?', at);
      const QString literal = InlineLiteral(text, slot);
      s.sql.replace(at, 1, literal);
      at += literal.size();
    }
  } else {
    s.params.reserve(compiled.paramSlots.size());
    for (const tsql::ParamSlot& slot : compiled.paramSlots) s.params.push_back(ParamValue(text, slot));
  }
  for (const tsql::CompiledStatement& then : compiled.then) s.then.push_back(Bind(then, text));
  return s;
}

}  // namespace

SchemaInfo::SchemaInfo() : identity_(NextSchemaIdentity()) {}

void SchemaInfo::changed() { identity_ = NextSchemaIdentity(); }

std::vector<Statement> Translate(const QString& tsql, const SchemaInfo& schema) {
  thread_local tsql::TokenizedText text;
  tsql::Tokenize(tsql, text);
  auto& cache = tsql::TranslationCache::shared();
  auto script = cache.find(schema.identity(), text.shape);
  if (!script) {
    script = std::make_shared<const tsql::CompiledScript>(tsql::CompileScript(text, schema));
    cache.insert(schema.identity(), text.shape, script);
  }
  std::vector<Statement> statements;
  statements.reserve(script->size());
  for (const tsql::CompiledStatement& compiled : *script) statements.push_back(Bind(compiled, text));
  return statements;
}

}  // namespace ado::sqlite
