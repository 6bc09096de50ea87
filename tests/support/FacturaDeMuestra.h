#pragma once
// A credit note of July 2005 as the invoice import reads one from the
// restaurant system's table, for the tests of the statements it becomes.
#include "import/FacturaTavernix.h"

namespace testing_support {

inline importacion::FacturaTavernix FacturaDeMuestra() {
  importacion::FacturaTavernix f;
  f.Tipo = {"NC", "A", "H"};
  f.Cuenta = "112010025";
  f.Sucursal = "0001";
  f.Numero = "00000012";
  f.Letra = "A";
  f.IdComprobante = "000100000012A";
  f.FechaTexto = "01/07/2005";
  f.Mes = 7;
  f.Total = "60,5";
  f.TotalLibroIva = "-60,5";
  f.Iva1 = "10,5";
  f.Iva2 = "0";
  f.Tasa1 = "21";
  f.Tasa2 = "0";
  f.Cuit = "20-12345678-9";
  f.CodEmp = "7 ";
  return f;
}

}  // namespace testing_support
