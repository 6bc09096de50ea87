// What the edit box floating over a cell of a voucher grid edits.
#include "numbering/ColumnasGrillas.h"
#include "platform/runtime/Text.h"
#include "platform/ui/Controls.h"
#include "vouchers/ClsCmnCptes.h"

namespace vouchers {

namespace {

namespace t = numbering::tareas;
namespace a = numbering::articulos;
namespace o = numbering::otros;

// What an edit box edits in one column: its field, the table or view its
// codes come from, and its longest text.
struct Edicion {
  int columna;
  const char* campo;
  const char* tabla;
  int largo;
};

const Edicion kEdicionTareas[] = {{t::Codigo, "IdTarea", "v_ta_tareas", 4},
                                  {t::Descripcion, "Descripcion", "", 0},
                                  {t::Cantidad, "HorasEstimadas", "", 0},
                                  {t::Importe, "ValorHora", "", 0},
                                  {t::Total, "Total", "", 0}};
const Edicion kEdicionArticulos[] = {{a::IdArticulo, "IdArticulo", "v_ma_articulos", 25},
                                     {a::Descripcion, "Descripcion", "", 50},
                                     {a::IdLista, "IdListaPrecioArticulo", "V_MA_PRECIOS", 4},
                                     {a::Espesor, "Espesor", "", 0},
                                     {a::Ancho, "Ancho", "", 0},
                                     {a::IdUnidad, "IdUnidad", "V_TA_UNIDAD", 4},
                                     {a::IdDeposito, "IdDepositoArt", "V_TA_DEPOSITO", 4},
                                     {a::Cantidad, "Cantidad", "", 0},
                                     {a::Coeficiente, "Largo", "", 0},
                                     {a::UnidadEquiv, "IdUnidadEquiv", "V_TA_UNIDAD", 4},
                                     {a::CantidadEquiv, "CantidadEquiv", "", 0},
                                     {a::PorcDto, "PorcDtoArticulo", "", 0},
                                     {a::UdPrecio, "Ud_Pr", "V_TA_UNIDAD", 4},
                                     {a::ImporteUd, "Importe_Ud", "", 0},
                                     {a::Importe, "ArtImporte", "", 0},
                                     {a::Total, "Total", "", 0},
                                     {a::Impuestos, "Impuestos", "", 0},
                                     {a::ITC, "ITC", "", 0}};
const Edicion kEdicionOtros[] = {{o::Detalle, "OCDescripcion", "MA_CUENTAS/SOLOIMPUTABLES", 200},
                                 {o::ImporteSinIVA, "OCImporteSinIva", "", 0},
                                 {o::Importe, "OCImporte", "", 0}};

template <size_t N>
const Edicion* EdicionDe(const Edicion (&tabla)[N], int32_t columna) {
  for (const Edicion& e : tabla)
    if (e.columna == columna) return &e;
  return nullptr;
}

// The box's name says which grid it floats over.
const Edicion* EdicionDeLaCaja(const QString& nombre, int32_t columna) {
  if (rt::EqualsText(nombre, QStringLiteral("TxtEdit"))) return EdicionDe(kEdicionTareas, columna);
  if (rt::OneOfText(nombre, {"TxtEdit2", "TXTAUX1", "TXTAUX2", "TXTAUX3"})) return EdicionDe(kEdicionArticulos, columna);
  if (rt::EqualsText(nombre, QStringLiteral("TxtEdit3"))) return EdicionDe(kEdicionOtros, columna);
  return nullptr;
}

}  // namespace

void ClsCmnCptes::TextPropiedades(ui::TextBox& Texto, int32_t Columna) {
  Texto.DataField = QString();
  Texto.MaxLength = 0;
  Texto.Tag = QString();
  if (const Edicion* e = EdicionDeLaCaja(rt::Trim(Texto.Name()), Columna)) {
    Texto.DataField = QString::fromUtf8(e->campo);
    Texto.Tag = QString::fromUtf8(e->tabla);
    Texto.MaxLength = e->largo;
  }
}

}  // namespace vouchers
