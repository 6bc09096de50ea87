#pragma once
// The columns of the suite's tables that the translation tests need, with
// their date columns, as the embedded provider would report them.
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
    add("MV_ASIENTOS", {"Tipo_Reg", "Fecha", "FechaSubDiario", "Cuenta", "Importe", "Vencimiento", "fechahora_grabacion"},
        {"Fecha", "FechaSubDiario", "Vencimiento", "fechahora_grabacion"});
    add("MV_EJERCICIOS", {"PERIODO", "DESCRIPCION", "FECHA DESDE", "FECHA HASTA"}, {"FECHA DESDE", "FECHA HASTA"});
    add("V_MV_CPTE", {"TC", "Fecha", "FechaEstFin", "IdComprobante", "Cuenta"}, {"Fecha", "FechaEstFin"});
    add("V_TA_CPTE", {"CODIGO", "TALONARIO", "A_ULTIMO_NRO", "fechahora_modificacion"}, {"fechahora_modificacion"});
    add("AUX_ERR", {"Proceso", "Fecha", "Error", "Descripcion", "SQL", "PC", "Usuario"}, {"Fecha"});
    if (!withDates) dates_.clear();
  }
  bool isDateColumn(const QString& table, const QString& column) const override {
    return dates_.contains(table.toUpper() + u'.' + column.toUpper());
  }
  QStringList columnsOf(const QString& table) const override { return columns_.value(table.toUpper()); }

 private:
  void add(const char* table, const QStringList& columns, const QStringList& dates) {
    columns_.insert(QString::fromUtf8(table).toUpper(), columns);
    for (const QString& d : dates) dates_.insert(QString::fromUtf8(table).toUpper() + u'.' + d.toUpper());
  }
  QMap<QString, QStringList> columns_;
  QSet<QString> dates_;
};
