#include "platform/ado/sqlite/TsqlTranslator.h"

#include <atomic>

#include "platform/ado/sqlite/TranslationCache.h"
#include "platform/ado/sqlite/TsqlLiteralValue.h"

namespace ado::sqlite {

namespace {

uint64_t NextSchemaIdentity() {
  static std::atomic<uint64_t> next{1};
  return next.fetch_add(1, std::memory_order_relaxed);
}

rt::Variant ParamValue(const tsql::TokenizedText& text, const tsql::ParamSlot& slot) {
  QString scratch;
  const tsql::LiteralValue v = tsql::ValueOf(text, slot, scratch);
  switch (v.type) {
    case tsql::LiteralValue::Type::Integer: return rt::Variant(v.integer);
    case tsql::LiteralValue::Type::Real: return rt::Variant(v.real);
    case tsql::LiteralValue::Type::Text: case tsql::LiteralValue::Type::InvalidDate: break;
  }
  return rt::Variant(v.text.isEmpty() ? QStringLiteral("") : v.text.toString());
}

Statement Bind(const tsql::CompiledStatement& compiled, const tsql::TokenizedText& text) {
  Statement s;
  s.kind = compiled.kind;
  s.negate = compiled.negate;
  if (compiled.inlineLiterals) {
    s.sql = tsql::SqlWithLiterals(compiled, text);
  } else {
    s.sql = compiled.sql;
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
  const std::shared_ptr<const tsql::CompiledScript> script = tsql::TranslateShape(tsql, schema, text);
  std::vector<Statement> statements;
  statements.reserve(script->size());
  for (const tsql::CompiledStatement& compiled : *script) statements.push_back(Bind(compiled, text));
  return statements;
}

}  // namespace ado::sqlite
