#pragma once
// A fresh program for the voucher search on a real suite database: the
// core's fixtures with the service connected as a user who is no
// administrator, and the window shown the way its callers show it.
#include <QStringList>
#include <functional>

#include "lookup/FrmConsComprobantes.h"
#include "support/CoreFixture.h"

namespace testing_support {

class BusquedaDatabase : public CoreDatabase {
 protected:
  void SetUp() override;
  // A row of the configuration table.
  void config(const QString& clave, const QString& valor);
  // Four sales invoices in every state of cancelled and approved, and a
  // credit note.
  void facturas();
  // Purchase orders: three pending and approved (the last with a receipt),
  // one finished, one not approved, one cancelled.
  void ordenesDeCompra();
  // Shows the window modally with TC and Filtro set; `operador` plays the
  // operator while it is open and must close it.
  void muestra(const QString& TC, const QString& Filtro, std::function<void(lookup::FrmConsComprobantes&)> operador);
  // The rows the window lists for TC and Filtro; then the operator presses
  // `boton`.
  QStringList listado(const QString& TC, const QString& Filtro = QString(),
                      ui::CommandButton lookup::FrmConsComprobantes::*boton = &lookup::FrmConsComprobantes::CmdCancelar);
  // The list's rows, each "picture|text|sub-item 1|...".
  static QStringList filas(const lookup::FrmConsComprobantes& ventana);

  lookup::FrmConsComprobantes ventana;
};

}  // namespace testing_support
