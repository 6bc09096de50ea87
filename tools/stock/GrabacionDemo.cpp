#include "GrabacionDemo.h"

#include "DemoStock.h"
#include "VentanaComprobante.h"
#include "data_access/DataAccessState.h"
#include "numbering/ColumnasGrillas.h"
#include "numbering/ComprobantesStock.h"
#include "platform/runtime/Dates.h"
#include "platform/runtime/Text.h"
#include "vouchers/ClsCmnCptes.h"

namespace demo {

namespace {

// The rows of a query, one line each, values joined by " | ".
QString Filas(const QString& sql) {
  QString texto;
  ado::Recordset rs = data_access::gDB().gCnn.Execute(sql);
  for (; !rs.EOF(); rs.MoveNext()) {
    QStringList valores;
    for (int i = 0; i < rs.FieldCount(); ++i) valores << rt::Trim(rs.Fields(i).Value().toStringOrEmpty());
    texto += QStringLiteral("  ") + valores.join(QStringLiteral(" | ")) + QStringLiteral("\r\n");
  }
  return texto.isEmpty() ? QStringLiteral("  (ninguna)\r\n") : texto;
}

}  // namespace

QString GrabaAjusteDemo() {
  LlenaStock(data_access::gDB().gCnn);
  VentanaComprobante ventana;
  ventana.Muestra(QStringLiteral("AJP"));
  // The form values its lines at the article's cost, as the entry reads it.
  ui::FlexGrid& g = ventana.MSFlexGrid2;
  for (int fila = 1; fila < g.Rows(); ++fila)
    if (!rt::Trim(g.TextMatrix(fila, numbering::articulos::IdArticulo)).isEmpty())
      g.setTextMatrix(fila, numbering::articulos::Costo,
                      data_access::gDB()
                          .DatosTabla(QStringLiteral("V_MA_ARTICULOS"), g.TextMatrix(fila, numbering::articulos::IdArticulo),
                                      QStringLiteral("Costo"), QStringLiteral("IDARTICULO"))
                          .toStringOrEmpty());
  const QString id = numbering::AsignarNumeroComprobante(QStringLiteral("AJP"), QStringLiteral("0001"),
                                                         QStringLiteral("X"));
  vouchers::ClsCmnCptes cpte;
  QString sql;
  bool hayError = false;
  cpte.ActualizaStock(g, QStringLiteral("AJP"), id, QStringLiteral("0"),
                      rt::FormatDate(rt::Now(), QStringLiteral("dd/mm/yyyy")), nullptr, nullptr, nullptr, nullptr,
                      nullptr, false, QStringLiteral("PorDefault"), false, &sql, &hayError, QStringLiteral("Null"),
                      QString(), QString(), QString(), 0, true);
  const QString donde = QStringLiteral(" WHERE TC = 'AJP' AND ");
  return QStringLiteral("Ajuste de stock AJP %1%2\r\nFilas de V_MV_STOCK (secuencia | depósito | artículo | "
                        "cantidad | costo):\r\n")
             .arg(id, hayError ? QStringLiteral(": no se grabó") : QString()) +
         Filas("SELECT Secuencia, IdDeposito, IdArticulo, Cantidad, Costo FROM V_MV_STOCK" + donde +
               "IdComprobante = '" + id + "' ORDER BY Secuencia") +
         QStringLiteral("Asiento (número | cuenta | D/H | importe):\r\n") +
         Filas("SELECT [NUMERO ASIENTO], Cuenta, [DEBE-HABER], Importe FROM MV_ASIENTOS" + donde + "SUCURSAL = '" +
               rt::Mid(id, 1, 4) + "' AND NUMERO = '" + rt::Mid(id, 5, 8) + "' AND LETRA = '" + rt::Mid(id, 13, 1) +
               "' ORDER BY Secuencia");
}

}  // namespace demo
