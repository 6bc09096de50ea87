#include "BusquedaFixture.h"

#include "platform/ui/Operator.h"

namespace testing_support {

void BusquedaDatabase::SetUp() {
  CoreDatabase::SetUp();
  connectAs(QStringLiteral("Ana"));
}

void BusquedaDatabase::config(const QString& clave, const QString& valor) {
  exec(QStringLiteral("INSERT INTO TA_CONFIGURACION (CLAVE, VALOR) VALUES ('%1', '%2')").arg(clave, valor));
}

void BusquedaDatabase::muestra(const QString& TC, const QString& Filtro,
                               std::function<void(lookup::FrmConsComprobantes&)> operador) {
  host.onModal<lookup::FrmConsComprobantes>(QStringLiteral("FrmConsComprobantes"), std::move(operador));
  ventana.TC = TC;
  ventana.Filtro = Filtro;
  ventana.NroComprobante = QString();
  ventana.Show(ui::vbModal);
}

void BusquedaDatabase::facturas() {
  exec("INSERT INTO V_MV_CPTE (TC, IdComprobante, IdComplemento, Cuenta, Nombre, Fecha, Importe, ANULADA, APROBADO) "
       "VALUES ('FC', '000100000010A', '0', '112010001', 'Bar El Sol', '2024-03-01', 1250.5, 0, 0), "
       "('FC', '000100000011A', '0', '112010002', 'La Esquina', '2024-03-02', 300, 1, 0), "
       "('FC', '000100000012B', '5', '112010003', 'Parrilla Don Juan', '2024-03-04', 8340.75, 0, 1), "
       "('FC', '000100000013A', '0', '112010004', 'Pizzería Roma', '2024-03-05', 90, 1, 1), "
       "('NC', '000100000014A', '0', '112010001', 'Bar El Sol', '2024-03-06', 50, 0, 0)");
}

void BusquedaDatabase::ordenesDeCompra() {
  exec("INSERT INTO C_MV_CPTE (TC, IDCOMPROBANTE, CUENTA, NOMBRE, FECHA, Importe, ANULADA, APROBADO, FINALIZADO, "
       "comentarios, Garantia) VALUES "
       "('OC', '000100000004X', '211010001', 'Distribuidora Sur', '2024-03-04', 900, 0, 1, 0, 'Urgente', 'SI'), "
       "('OC', '000100000003X', '211010002', 'Frigorífico Norte', '2024-03-03', 450.5, 0, 1, 0, NULL, '0'), "
       "('OC', '000100000002X', '211010001', 'Distribuidora Sur', '2024-03-02', 120, 0, 1, 0, 'Con flete', '12'), "
       "('OC', '000100000001X', '211010001', 'Distribuidora Sur', '2024-03-01', 75, 0, 1, 1, NULL, NULL), "
       "('OC', '000100000005X', '211010001', 'Distribuidora Sur', '2024-03-05', 75, 0, 0, 0, NULL, NULL), "
       "('OC', '000100000006X', '211010001', 'Distribuidora Sur', '2024-03-06', 75, 1, 1, 0, NULL, NULL)");
  // The receipt of the third order, and other movements that are none.
  exec("INSERT INTO V_MV_STOCK (TC, IdComprobante, Tc_Origen, IdComprobante_Origen, IdArticulo, Cantidad) VALUES "
       "('IR', '000100000077R', 'OC', '000100000002X', 'ACEITE', 10), "
       "('RM', '000100000078R', 'OC', '000100000004X', 'ACEITE', 10), "
       "('IR', '000100000079R', 'NP', '000100000003X', 'ACEITE', 10)");
}

QStringList BusquedaDatabase::listado(const QString& TC, const QString& Filtro,
                                      ui::CommandButton lookup::FrmConsComprobantes::*boton) {
  QStringList vistas;
  muestra(TC, Filtro, [&](lookup::FrmConsComprobantes& v) {
    vistas = filas(v);
    ui::op::click(v.*boton);
  });
  return vistas;
}

QStringList BusquedaDatabase::filas(const lookup::FrmConsComprobantes& ventana) {
  QStringList out;
  const ui::ListView& lista = ventana.ListView1;
  for (int i = 1; i <= lista.ListItems.Count(); ++i) {
    const ui::ListItem& item = lista.ListItems(i);
    QStringList celdas{QString::number(item.SmallIcon()), item.Text()};
    for (int j = 1; j < lista.ColumnHeaders.Count(); ++j) celdas << item.SubItems(j);
    out << celdas.join(u'|');
  }
  return out;
}

}  // namespace testing_support
