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
