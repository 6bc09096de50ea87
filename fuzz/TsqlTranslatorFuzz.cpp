// libFuzzer target: any text as a statement or script in SQL Server's
// dialect, translated for the embedded database with its literals bound.
// Refusing a construct is the expected answer to text it cannot translate,
// and SQL Server's error to a statement the server refuses too; any other
// outcome but a translation is a fault.
#include <QString>

#include "platform/ado/provider/Provider.h"
#include "platform/ado/sqlite/TsqlTranslator.h"

namespace {

// A few tables of the suite, with date columns, so that the translator's
// column lookups and date binding run.
class FuzzSchema : public ado::sqlite::SchemaInfo {
 public:
  bool isDateColumn(const QString& table, const QString& column) const override {
    return table.compare(QLatin1String("MV_ASIENTOS"), Qt::CaseInsensitive) == 0 &&
           (column.compare(QLatin1String("Fecha"), Qt::CaseInsensitive) == 0 ||
            column.compare(QLatin1String("Vencimiento"), Qt::CaseInsensitive) == 0);
  }
  QStringList columnsOf(const QString& table) const override {
    if (table.compare(QLatin1String("MV_ASIENTOS"), Qt::CaseInsensitive) == 0)
      return {QStringLiteral("Cuenta"), QStringLiteral("Fecha"), QStringLiteral("Importe"),
              QStringLiteral("Vencimiento")};
    return {};
  }
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
