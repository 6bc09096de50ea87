// libFuzzer target: any text as a statement or script in SQL Server's
// dialect, translated for the embedded database with its literals bound.
// Refusing a construct is the expected answer to text it cannot translate,
// and SQL Server's error to a statement the server refuses too; any other
// outcome but a translation is a fault.
#include <QString>

#include "platform/ado/provider/Provider.h"
#include "platform/ado/sqlite/TsqlTranslator.h"

namespace {

// A table of the suite with a column of every kind the translator converts
// values for, so that its column lookups, date binding and conversions run.
class FuzzSchema : public ado::sqlite::SchemaInfo {
 public:
  ado::sqlite::DeclaredType columnType(const QString& table, const QString& column) const override {
    if (table.compare(QLatin1String("MV_ASIENTOS"), Qt::CaseInsensitive) != 0) return {};
    for (const auto& [name, type] : kColumns)
      if (column.compare(QLatin1String(name), Qt::CaseInsensitive) == 0) return ado::sqlite::ParseDeclaredType(type);
    return {};
  }
  QStringList columnsOf(const QString& table) const override {
    QStringList names;
    if (table.compare(QLatin1String("MV_ASIENTOS"), Qt::CaseInsensitive) == 0)
      for (const auto& column : kColumns) names << QLatin1String(column.first);
    return names;
  }

 private:
  static constexpr std::pair<const char*, const char*> kColumns[] = {
      {"Cuenta", "VARCHAR(9)"}, {"Fecha", "DATETIME"},   {"Importe", "MONEY"},     {"Vencimiento", "DATETIME"},
      {"Secuencia", "INTEGER"}, {"Periodo", "SMALLINT"}, {"EsAjuste", "BIT"},     {"Cotizacion", "DECIMAL(18,4)"}};
};

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  static const FuzzSchema schema;
  const QString text = QString::fromUtf8(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));
  try {
    ado::sqlite::Translate(text, schema);
  } catch (const ado::sqlite::Unsupported&) {
  } catch (const ado::provider::Failure&) {
  }
  return 0;
}
