#pragma once
// The columns of the suite's tables that the translation tests need, with
// their date columns and the declared types the translator converts values
// for, as the embedded provider would report them.
#include <QMap>
#include <QSet>
#include <QStringList>

#include "platform/ado/sqlite/TsqlTranslator.h"
#include "support/Printers.h"

class SuiteSchema : public ado::sqlite::SchemaInfo {
 public:
  // `withDates` false: the same tables with no date column at all.
  explicit SuiteSchema(bool withDates = true) {
    add("MA_CALENDARIO", {"fecha", "nolaborable"}, {"fecha"});
    add("MA_CUENTAS", {"CODIGO", "DESCRIPCION", "TipoVista"}, {});
    add("MV_ASIENTOS", {"Tipo_Reg", "Fecha", "FechaSubDiario", "Cuenta", "Importe MONEY", "Vencimiento",
                        "fechahora_grabacion", "Secuencia INTEGER", "Periodo SMALLINT", "EsAjuste BIT",
                        "LIVA_ALICIVA DECIMAL(9,4)"},
        {"Fecha", "FechaSubDiario", "Vencimiento", "fechahora_grabacion"});
    add("MV_EJERCICIOS", {"PERIODO", "DESCRIPCION", "FECHA DESDE", "FECHA HASTA"}, {"FECHA DESDE", "FECHA HASTA"});
    add("V_MV_CPTE", {"TC", "Fecha", "FechaEstFin", "IdComprobante", "Cuenta"}, {"Fecha", "FechaEstFin"});
    add("V_TA_CPTE", {"CODIGO", "TALONARIO", "A_ULTIMO_NRO", "fechahora_modificacion"}, {"fechahora_modificacion"});
    add("AUX_ERR", {"Proceso", "Fecha", "Error", "Descripcion", "SQL", "PC", "Usuario"}, {"Fecha"});
    if (!withDates) dates_.clear();
  }
  ado::sqlite::DeclaredType columnType(const QString& table, const QString& column) const override {
    const QString key = table.toUpper() + u'.' + column.toUpper();
    if (dates_.contains(key)) return ado::sqlite::ParseDeclaredType("DATETIME");
    return ado::sqlite::ParseDeclaredType(types_.value(key));
  }
  QStringList columnsOf(const QString& table) const override { return columns_.value(table.toUpper()); }

 private:
  // A column is its name, or its name and its declared type ("Importe MONEY").
  void add(const char* table, const QStringList& columns, const QStringList& dates) {
    const QString name = QString::fromUtf8(table).toUpper();
    QStringList names;
    for (const QString& c : columns) {
      const qsizetype blank = c.indexOf(u' ');
      names << c.left(blank);
      if (blank > 0) types_.insert(name + u'.' + c.left(blank).toUpper(), c.mid(blank + 1));
    }
    columns_.insert(name, names);
    for (const QString& d : dates) dates_.insert(name + u'.' + d.toUpper());
  }
  QMap<QString, QStringList> columns_;
  QSet<QString> dates_;
  QMap<QString, QString> types_;
};
