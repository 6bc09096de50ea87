#include "platform/ado/sqlite/UpgradeFunctions.h"

#include <sqlite3.h>

#include "platform/runtime/CodeNumber.h"
#include "platform/runtime/Error.h"

namespace ado::sqlite {

namespace {

using CodeRule = QString (*)(const rt::Variant&, int);

// The rule is the function's user data.
void numeroDeCodigo(sqlite3_context* context, int, sqlite3_value** argv) {
  rt::Variant value;
  switch (sqlite3_value_type(argv[0])) {
    case SQLITE_NULL: return sqlite3_result_null(context);
    case SQLITE_INTEGER: case SQLITE_FLOAT: value = rt::Variant(sqlite3_value_double(argv[0])); break;
    default:
      value = rt::Variant(QString::fromUtf8(reinterpret_cast<const char*>(sqlite3_value_text(argv[0])),
                                            sqlite3_value_bytes(argv[0])));
  }
  QByteArray code;
  try {
    const CodeRule rule = *static_cast<const CodeRule*>(sqlite3_user_data(context));
    code = rule(value, sqlite3_value_int(argv[1])).toUtf8();
  } catch (const rt::Error& e) {
    // No exception may cross SQLite's frames: the statement fails instead.
    const QByteArray description = e.Description().toUtf8();
    return sqlite3_result_error(context, description.constData(), static_cast<int>(description.size()));
  }
  if (code.isEmpty()) return sqlite3_result_null(context);
  sqlite3_result_text(context, code.constData(), static_cast<int>(code.size()), SQLITE_TRANSIENT);
}

}  // namespace

int RegisterUpgradeFunctions(sqlite3* db) {
  static const struct {
    const char* name;
    CodeRule rule;
  } functions[] = {{"NUMERO_DE_CODIGO", rt::CodeNumber}, {"NUMERO_DE_CODIGO_ANTERIOR", rt::CodeNumberOfEarlierBuilds}};
  for (const auto& f : functions)
    if (const int rc = sqlite3_create_function_v2(db, f.name, 2, SQLITE_UTF8 | SQLITE_DETERMINISTIC,
                                                  const_cast<CodeRule*>(&f.rule), numeroDeCodigo, nullptr, nullptr,
                                                  nullptr);
        rc != SQLITE_OK)
      return rc;
  return SQLITE_OK;
}

}  // namespace ado::sqlite
