#include "numbering/SaldosStock.h"

#include "core/CoreState.h"
#include "data_access/DataAccessState.h"
#include "numbering/ColumnasGrillas.h"
#include "numbering/Equivalencias.h"
#include "numbering/SentenciasStock.h"
#include "numbering/Valores.h"
#include "platform/runtime/Numbers.h"
#include "platform/runtime/Text.h"
#include "platform/suite/Library.h"
#include "platform/ui/FlexGrid.h"

namespace numbering {

using data_access::gDB;

void ControlStock(const QString& IdDeposito, const QString& IdArticulo, const QString& IdUnidad, double& Stock) {
  if (rt::Trim(IdArticulo).isEmpty()) return;
  suite::Utilidades& util = suite::gUtilidades();
  const QString articulo = util.RellenaCodigo(IdArticulo, 25);
  const QString unidad = util.RellenaCodigo(IdUnidad, 4);
  const QString deposito = util.RellenaCodigo(IdDeposito, 4);
  const bool todos = rt::Trim(IdDeposito).isEmpty();
  const QString sql = core::gCore().gUsaStkStockUdKg
                          ? (todos ? sentencia::StockUdKgEnTodosLosDepositos(articulo)
                                   : sentencia::StockUdKgEnDeposito(articulo, deposito))
                          : (todos ? sentencia::StockEnTodosLosDepositos(articulo, unidad)
                                   : sentencia::StockEnDeposito(articulo, unidad, deposito));
  rt::StepRunner pasos = Trampa(QStringLiteral("ControlStock"));
  ado::Recordset rs;
  if (!pasos.run([&] { gDB().AbrirRecordset(sql, rs); })) return;
  pasos.run([&] { Stock = rs.BOF() ? 0 : DobleDe(rs["Stock"].Value()); });
  gDB().CierraRecordset(rs);
}

void CalculaUnidadesGrilla(ui::FlexGrid& MSFlexGrid2) {
  namespace a = numbering::articulos;
  const core::CoreState& estado = core::gCore();
  const int fila = MSFlexGrid2.Row();
  const std::pair<QString, int> unidades[] = {{estado.gUnidadMedidaBL, a::CantidadBL},
                                              {estado.gUnidadMedidaM3, a::CantidadM3},
                                              {estado.gUnidadMedidaKG, a::CantidadKG}};
  for (const auto& [unidad, columna] : unidades) {
    if (rt::EqualsText(MSFlexGrid2.TextMatrix(fila, a::UnidadEquiv), unidad)) {
      MSFlexGrid2.setTextMatrix(fila, columna, MSFlexGrid2.TextMatrix(fila, a::CantidadEquiv));
      continue;
    }
    QString base = rt::Trim(MSFlexGrid2.TextMatrix(fila, a::IdUnidad));
    const double cantidad = suite::gUtilidades().TextoANumero(MSFlexGrid2.TextMatrix(fila, a::Cantidad)).toDouble();
    MSFlexGrid2.setTextMatrix(fila, columna,
                              rt::NumberText(RevierteEquivalencia(MSFlexGrid2.TextMatrix(fila, a::IdArticulo), base,
                                                                  cantidad, unidad)));
  }
}

}  // namespace numbering
