// The demo's stored vouchers in the voucher search: every picture shows,
// the pending searches leave the finished vouchers out, and the purchase
// order with a receipt shows its number.
#include <gtest/gtest.h>

#include <set>

#include "BusquedaFixture.h"
#include "DemoBusqueda.h"
#include "support/Printers.h"

namespace {

using namespace testing_support;

class DemoBusqueda : public BusquedaDatabase {
 protected:
  void SetUp() override {
    BusquedaDatabase::SetUp();
    demo::LlenaComprobantesBusqueda(cn);
    demo::LlenaComprobantesBusqueda(cn);  // rows already there are left alone
  }
};

TEST_F(DemoBusqueda, EveryPictureAndStateShows) {
  std::set<int> imagenes;
  const struct {
    const char* TC;
    int filas;
  } casos[] = {{"FC", 4}, {"NC", 1}, {"ND", 1}, {"RM", 3}, {"RM/PENDIENTES", 2}, {"NP", 3}, {"NP/PENDIENTES", 1},
               {"PR", 3}, {"PR/PENDIENTES", 1}, {"OT", 1}, {"FCC", 3}, {"OC", 3}, {"T3", 2}};
  for (const auto& c : casos) {
    SCOPED_TRACE(c.TC);
    const QStringList vistas = listado(c.TC);
    EXPECT_EQ(vistas.size(), c.filas);
    for (const QString& fila : vistas) imagenes.insert(fila.section(u'|', 0, 0).toInt());
  }
  // Third-party rows show none (0), so the "T3" picture (9) stays unused.
  EXPECT_EQ(imagenes, (std::set<int>{0, 1, 2, 3, 4, 5, 6, 7, 8, 10, 11}));
  EXPECT_TRUE(host.boxes().empty());
}

TEST_F(DemoBusqueda, ThePurchaseOrderWithItsReceipt) {
  EXPECT_EQ(listado("OC").last(),
            "10|01/03/2024|211010001 Distribuidora Cuyo S.A.|000100000051X|96000|Entrega en depósito central|"
            "000100000901R");
}

}  // namespace
