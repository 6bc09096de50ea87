// The voucher search reads through indexes: the statement of each type and
// the receipt looked up for every purchase order listed.
#include <gtest/gtest.h>

#include "data_access/LookupSql.h"
#include "lookup/SentenciasBusqueda.h"
#include "support/QueryPlan.h"

namespace {

namespace busqueda = lookup::busqueda;

class PlanesBusqueda : public testing_support::QueryPlanTest {};

TEST_F(PlanesBusqueda, EverySearchUsesAnIndex) {
  const struct {
    const char* clave;
    const char* filtro;
    busqueda::Opciones opciones;
  } casos[] = {{"RM/PENDIENTES_COMPRAS", "CUENTA = '211010001'", {}},
               {"RM/PENDIENTES", "", {true, false}},
               {"RM/PENDIENTES", "", {}},
               {"NCPE", "", {}},
               {"FCC", "", {}},
               {"OT/PENDIENTES", "", {}},
               {"OT", "", {}},
               {"NP/PENDIENTES", "", {}},
               {"PR/PENDIENTES", "", {}},
               {"PR/PENDIENTES", "CUENTA = '112010001'", {}},
               {"OC", "", {}},
               {"FP", "", {}},
               {"FC", "", {}}};
  for (const auto& c : casos) {
    SCOPED_TRACE(c.clave);
    QString filtro = c.filtro;
    expectIndexed(busqueda::Sentencia(busqueda::DeClave(c.clave), filtro,
                                      busqueda::Fragmento("Buscar por nombre...", "0001"), c.opciones));
  }
}

TEST_F(PlanesBusqueda, TheLookupsOfARow) {
  // The receipt of a purchase order, the name of a supplier.
  expectIndexed(data_access::sql::DatosTabla("v_mv_stock", "OC", "TC_origen", 8,
                                             busqueda::CondicionRecepcion("000100000002X"), true));
  expectIndexed(data_access::sql::DatosTabla("VT_PROVEEDORES", "211010001", "Codigo", 8, QString(), true));
}

}  // namespace
