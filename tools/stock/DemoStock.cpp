#include "DemoStock.h"

#include <QString>

#include "platform/ado/Connection.h"

namespace demo {

namespace {

// Runs `insercion` when `tabla` has no row meeting `condicion`.
void SiFalta(ado::Connection& cn, const QString& tabla, const QString& condicion, const QString& insercion) {
  cn.Execute(QStringLiteral("IF NOT EXISTS (SELECT 1 FROM %1 WHERE %2) %3").arg(tabla, condicion, insercion));
}

void Configura(ado::Connection& cn, const char* clave, const char* valor) {
  SiFalta(cn, QStringLiteral("TA_CONFIGURACION"), QStringLiteral("CLAVE = '%1'").arg(QString::fromLatin1(clave)),
          QStringLiteral("INSERT INTO TA_CONFIGURACION (CLAVE, VALOR) VALUES ('%1', '%2')")
              .arg(QString::fromLatin1(clave), QString::fromLatin1(valor)));
}

}  // namespace

void LlenaStock(ado::Connection& cn) {
  // Stock adjustments are numbered from a book of their own.
  cn.Execute(QStringLiteral("UPDATE V_TA_CPTE SET Letras = 'X', X_SUC_DEFAULT = 1, X_ULTIMO_NRO = 1, X_NRO_DESDE = 1, "
                            "X_NRO_HASTA = 99999999 WHERE CODIGO = 'AJP' AND X_SUC_DEFAULT IS NULL"));
  SiFalta(cn, QStringLiteral("MA_SUBDIARIOS"), QStringLiteral("CODIGO = 'STK'"),
          QStringLiteral("INSERT INTO MA_SUBDIARIOS (CODIGO, DESCRIPCION) VALUES ('STK', 'Stock')"));
  SiFalta(cn, QStringLiteral("MA_SUBDIARIOSCOMPROBANTES"), QStringLiteral("TC = 'AJP'"),
          QStringLiteral("INSERT INTO MA_SUBDIARIOSCOMPROBANTES (TC, Subdiario) VALUES ('AJP', 'STK')"));
  SiFalta(cn, QStringLiteral("V_TA_MOTIVOSTOCK"), QStringLiteral("IDMOTIVOSTOCK = '   5'"),
          QStringLiteral("INSERT INTO V_TA_MOTIVOSTOCK (IDMOTIVOSTOCK, Descripcion, CUENTACONTABLE) "
                         "VALUES ('   5', 'Ajustes de inventario', '511030001')"));
  Configura(cn, "AsientosXStock", "SI");
  Configura(cn, "MotivoStockDefault", "5");
  Configura(cn, "DepositoDefault", "1");
  // Goods for resale and kitchen supplies on their own stock accounts.
  cn.Execute(QStringLiteral("UPDATE V_MA_ARTICULOS SET CUENTACONTABLEC = CASE IdTipo WHEN '   2' THEN '114020001' "
                            "ELSE '114010001' END WHERE CUENTACONTABLEC IS NULL"));
  cn.Execute(QStringLiteral("UPDATE V_MA_ARTICULOS SET Costo = CASE IDUNIDAD WHEN 'KG' THEN 5400 ELSE 800 END "
                            "WHERE Costo = 0"));
}

}  // namespace demo
