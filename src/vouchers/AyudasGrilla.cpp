// Small operations on the voucher grids while the operator edits them:
// colouring a row or a column, finding a line with the same code, and
// telling a fraction.
#include <cmath>

#include "platform/runtime/StepRunner.h"
#include "platform/runtime/Text.h"
#include "platform/suite/Library.h"
#include "platform/ui/FlexGrid.h"
#include "vouchers/ClsCmnCptes.h"

namespace vouchers {

namespace {

// The first data row but `FilaIgnorar` whose column 0 holds the code.
bool FilaConCodigo(const ui::FlexGrid& grilla, const QString& codigo, int32_t FilaIgnorar, int32_t* FilaEncontrada) {
  const QString buscado = rt::Trim(codigo);
  for (int fila = 1; fila < grilla.Rows(); ++fila) {
    if (fila == FilaIgnorar) continue;
    if (rt::EqualsText(rt::Trim(grilla.TextMatrix(fila, 0)), buscado)) {
      if (FilaEncontrada) *FilaEncontrada = fila;
      return true;
    }
  }
  return false;
}

}  // namespace

void ClsCmnCptes::PintarFila(int32_t Fila, ui::FlexGrid& MsFlexGrid, ui::Color Color) {
  const int columna = MsFlexGrid.Col();
  for (int c = 0; c < MsFlexGrid.Cols(); ++c) {
    MsFlexGrid.setCol(c);
    MsFlexGrid.setRow(Fila);
    MsFlexGrid.setCellBackColor(Color);
  }
  MsFlexGrid.setCol(columna);
}

void ClsCmnCptes::PintarColuma(int32_t Columna, ui::FlexGrid& MsFlexGrid, int32_t FilaDesde, int32_t FilaHasta,
                               ui::Color Color) {
  // A cell that cannot be painted is passed over; the others still are.
  rt::StepRunner pasos([](const rt::Error&) { return rt::answer::Ignore; });
  int fila = 0;
  pasos.run([&] { fila = MsFlexGrid.Row(); });
  const int desde = FilaDesde == -1 ? 0 : FilaDesde;
  const int hasta = FilaHasta == -1 ? MsFlexGrid.Rows() - 1 : FilaHasta;
  for (int f = desde; f <= hasta; ++f) {
    pasos.run([&] {
      MsFlexGrid.setCol(Columna);
      MsFlexGrid.setRow(f);
      MsFlexGrid.setCellBackColor(Color);
    });
  }
  pasos.run([&] { MsFlexGrid.setRow(fila); });
}

bool ClsCmnCptes::TareaRepetida(ui::FlexGrid& MSFlexGrid1, const QString& Tarea, int32_t FilaIgnorar,
                                int32_t* FilaEncontrada) {
  return FilaConCodigo(MSFlexGrid1, Tarea, FilaIgnorar, FilaEncontrada);
}

bool ClsCmnCptes::ArticuloRepetido(ui::FlexGrid& MSFlexGrid2, const QString& Articulo, int32_t FilaIgnorar,
                                   int32_t* FilaEncontrada) {
  return FilaConCodigo(MSFlexGrid2, Articulo, FilaIgnorar, FilaEncontrada);
}

bool ClsCmnCptes::OtrosConceptosRepetidos(ui::FlexGrid& MSFlexGrid3, const QString& OtroConcepto,
                                          int32_t FilaIgnorar, int32_t* FilaEncontrada) {
  return FilaConCodigo(MSFlexGrid3, OtroConcepto, FilaIgnorar, FilaEncontrada);
}

bool ClsCmnCptes::NumeroEsFraccion(const rt::Variant& Numero) {
  const double x = suite::gUtilidades().TextoADoble(Numero.toString());
  return x != std::trunc(x);
}

}  // namespace vouchers
