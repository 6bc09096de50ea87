// The layouts of the voucher grids: rows, columns, titles, widths and
// alignment for a voucher type. Widths are n capital X in the caller's
// window font, measured on every call.
#include <iterator>

#include "core/Configuration.h"
#include "core/CoreState.h"
#include "data_access/DataAccessState.h"
#include "numbering/ColumnasGrillas.h"
#include "platform/runtime/Error.h"
#include "platform/runtime/Text.h"
#include "platform/suite/Library.h"
#include "platform/ui/Controls.h"
#include "platform/ui/FlexGrid.h"
#include "platform/ui/Form.h"
#include "vouchers/ClsCmnCptes.h"
#include "vouchers/SentenciasComprobantes.h"

namespace vouchers {

namespace {

namespace t = numbering::tareas;
namespace a = numbering::articulos;
namespace o = numbering::otros;
namespace z = numbering::totales;

bool EsSi(const QString& valor) { return rt::EqualsText(valor, QStringLiteral("SI")); }

// The width of n capital X, or of a text, in the window's font.
class Medida {
 public:
  explicit Medida(const ui::Form& ventana) : ventana_(ventana) {}
  int operator()(int n) const { return n == 0 ? 0 : ventana_.TextWidth(rt::String(n, u'X')); }
  int de(const QString& texto) const { return ventana_.TextWidth(texto); }

 private:
  const ui::Form& ventana_;
};

// One grid being laid out: titles in row 0, widths read back where a
// column widens or narrows another.
class Diseno {
 public:
  explicit Diseno(ui::FlexGrid& grilla) : g_(grilla) {}
  void vacia(int filas, int columnas) {
    g_.Clear();
    g_.setRows(filas);
    g_.setCols(columnas);
  }
  void columna(int c, int ancho, const QString& titulo) {
    g_.setColWidth(c, ancho);
    g_.setTextMatrix(0, c, titulo);
  }
  void alineaIzquierda(int c) { g_.setColAlignment(c, ui::FlexGrid::LeftCenter); }
  int ancho(int c) const { return g_.ColWidth(c); }
  void ancho(int c, int twips) { g_.setColWidth(c, twips); }
  void suma(int c, int twips) { g_.setColWidth(c, g_.ColWidth(c) + twips); }
  // Hides `oculta`, its width going to `destino`.
  void pasaAncho(int oculta, int destino) {
    suma(destino, ancho(oculta));
    ancho(oculta, 0);
  }

 private:
  ui::FlexGrid& g_;
};

const char* const kTitulosTareasOcultas[] = {
    "AuxEsExento",     "ImporteSinIVA",      "AuxObservAdic",   "AuxFechaInicio",   "AuxFechaFin",
    "AuxIdTecnico",    "CodigoOriginal",     "AuxFechaREALInicio", "AuxFechaREALFin", "AuxCuentaContable",
    "Prioridad",       "Usuario",            "AuxFhPresentacion", "AuxFhEmision",    "AuxNroExp",
    "AuxFhEntrega",    "AuxTasaIVA"};
static_assert(std::size(kTitulosTareasOcultas) == t::Columnas - t::EsExento);

// The hidden article columns that carry a title; every other hidden one
// has none.
struct Titulo {
  int columna;
  const char* texto;
};
const Titulo kTitulosArticulosOcultas[] = {
    {a::Coeficiente, "AuxCoeficiente"},
    {a::EsExento, "AuxEsExento"},
    {a::PrecioSinIVA, "AuxPrecioSinIVA"},
    {a::PideSerie, "AuxPideSerie"},
    {a::PideLote, "AuxPidelote"},
    {a::RestoPorAplicar, "AuxRestoPorAplicar"},
    {a::TipoArticulo, "AuxTipoArticulo"},
    {a::RubroArticulo, "AuxRubroArticulo"},
    {a::ListaConIVA, "AuxListaConIVA"},
    {a::PrecioConIVA, "AuxPrecioConIVA"},
    {a::CantidadInsumo, "AuxCantidadInsumo"},
    {a::ImporteDescuento, "AuxImporteDescuentoArticulo"},
    {a::TipoCoeficiente, "AuxTipoCoeficiente"},
    {a::StockDisponible, "AuxStockDisponible"},
    {a::StockMinimo, "AuxStockMinimo"},
    {a::TasaIVA, "AuxTasaIVA"},
    {a::CpteOrigen, "AuxCpteOrigen"},
    {a::IdCpteOrigen, "AuxIdCpteOrigen"},
    {a::LoteOrigen, "Lote_Origen"},
    {a::LoteAduana, "Lote_Aduana"},
    {a::PideMedidas, "PideMedidas"},
    {a::LargoAnt, "LargoAnt"},
    {a::EnComodato, "EnComodato"},
    {a::MKBaseFamilia, "MKBaseFamilia"},
    {a::CodError, "CodError"},
    {a::Moneda, "Moneda"},
    {a::Cotizacion, "Cotizacion"},
    {a::CodigoPercepcion, "AuxCodigoPercepcion"},
};

// The columns the layout always hides, apart from those whose width a
// switch decides.
bool EsOcultaSiempre(int c) {
  return c == a::Coeficiente ||
         (c >= a::EsExento && c != a::TotalConImpuestos && c != a::NroLote && c != a::NroSerie &&
          c != a::Impuestos && c != a::ITC);
}

QString TituloOculto(int c) {
  for (const Titulo& t : kTitulosArticulosOcultas)
    if (t.columna == c) return QString::fromUtf8(t.texto);
  return QString();
}

// What every grid of one layout depends on.
struct Interruptores {
  QString sistema;  // VENTAS, COMPRAS, STOCK or another text
  bool ventas = false, compras = false, stock = false;
  bool mostrarDeposito = false;
  bool noMostrarImportes = false;
  bool maderera = false;
  QString tituloArticulos;
};

Interruptores LeeInterruptores(const QString& TC) {
  Interruptores s;
  ado::Recordset rs;
  data_access::gDB().AbrirRecordset(
      sentencia::SistemaDelComprobante(suite::gUtilidades().RellenaCodigo(rt::Trim(TC), 4)), rs);
  if (!rs.BOF()) s.sistema = rt::Trim(suite::gUtilidades().ValorCampo(rs[QStringLiteral("Sistema")].Value()).toString());
  data_access::gDB().CierraRecordset(rs);
  s.ventas = rt::EqualsText(s.sistema, QStringLiteral("VENTAS"));
  s.compras = rt::EqualsText(s.sistema, QStringLiteral("COMPRAS"));
  s.stock = rt::EqualsText(s.sistema, QStringLiteral("STOCK"));

  s.mostrarDeposito = EsSi(core::Cfg(QStringLiteral("PideDepositoEnCptes")));
  if (rt::EqualsText(TC, QStringLiteral("OP"))) {
    s.noMostrarImportes = true;
  } else if (rt::EqualsText(TC, QStringLiteral("OT"))) {
    s.noMostrarImportes = EsSi(core::Cfg(QStringLiteral("NoMostrarImportesEnOT")));
    s.mostrarDeposito = false;
  } else if (rt::EqualsText(TC, QStringLiteral("PR"))) {
    s.mostrarDeposito = false;
  }
  s.maderera = s.ventas && core::gCore().gMaderera;

  s.tituloArticulos = core::Cfg(QStringLiteral("NombreArticulos"));
  if (rt::Trim(s.tituloArticulos).isEmpty()) s.tituloArticulos = QStringLiteral("Código");
  s.tituloArticulos = rt::ProperCase(s.tituloArticulos);
  return s;
}

void DisenaTareas(ui::FlexGrid& grilla, const Medida& w, const Interruptores& s, const QString& TC) {
  Diseno d(grilla);
  d.vacia(2, t::Columnas);
  d.columna(t::Codigo, w(7), QStringLiteral("Código"));
  d.columna(t::Descripcion, w(37), QStringLiteral("Descripción"));
  d.alineaIzquierda(t::Descripcion);
  d.columna(t::Cantidad, w(7), QStringLiteral("Cantidad"));
  d.columna(t::Importe, w(11), QStringLiteral("Importe"));
  d.columna(t::Total, w(11), QStringLiteral("Total"));
  if (s.noMostrarImportes) {
    d.pasaAncho(t::Importe, t::Descripcion);
    d.pasaAncho(t::Total, t::Descripcion);
    if (rt::EqualsText(rt::Trim(TC), QStringLiteral("OT"))) d.pasaAncho(t::Cantidad, t::Descripcion);
  }
  for (int c = t::EsExento; c < t::Columnas; ++c)
    d.columna(c, 0, QString::fromUtf8(kTitulosTareasOcultas[c - t::EsExento]));
}

void DisenaArticulos(ui::FlexGrid& grilla, const Medida& w, const Interruptores& s, const QString& TC) {
  Diseno d(grilla);
  d.vacia(2, a::Columnas);
  d.columna(a::IdArticulo, w(15), s.tituloArticulos);
  d.alineaIzquierda(a::IdArticulo);
  d.columna(a::Descripcion, s.stock ? w(39) : w(29), QStringLiteral("Descripción"));
  d.alineaIzquierda(a::Descripcion);
  d.columna(a::IdLista, 0, QStringLiteral("Lista"));
  if (EsSi(core::Cfg(QStringLiteral("V_ListaPreciosPorItemArticulos"))) && s.ventas) {
    d.suma(a::IdArticulo, -w(1));
    d.suma(a::Descripcion, -w(3));
    d.ancho(a::IdLista, w(4));
  }

  d.columna(a::IdUnidad, w(4), QStringLiteral("UD"));
  d.columna(a::Cantidad, w(6), QStringLiteral("Cant."));
  d.ancho(a::UnidadEquiv, 0);
  d.ancho(a::CantidadEquiv, 0);
  if (EsSi(core::Cfg(QStringLiteral("ConfirmaUDEquiv")))) {
    d.columna(a::UnidadEquiv, w(7), QStringLiteral("UDEquiv"));
    d.columna(a::CantidadEquiv, w(9), QStringLiteral("Cant. Equiv"));
  }
  d.columna(a::IdDeposito, s.mostrarDeposito ? w(4) : 0, QStringLiteral("Dep."));
  d.columna(a::Importe, w(11), QStringLiteral("Importe"));

  if (!s.stock) {
    d.columna(a::PorcDto, 0, QStringLiteral("% Dto."));
    const auto ensanchaDescuento = [&] {
      d.suma(a::Importe, -w(1));
      d.suma(a::IdArticulo, -w(1));
      d.suma(a::Descripcion, -w(3));
      d.ancho(a::PorcDto, w(5));
    };
    if (EsSi(core::Cfg(QStringLiteral("V_DescuentoPorArticulos"))) && s.ventas) ensanchaDescuento();
    if (EsSi(rt::Trim(core::Cfg(QStringLiteral("ComprasDescuentoPorArticulo")))) && s.compras) ensanchaDescuento();
  } else {
    d.columna(a::PorcDto, 0, QString());
  }

  d.columna(a::Total, 0, QStringLiteral("Total"));
  d.columna(a::TotalConImpuestos, s.stock ? 0 : w(10), s.stock ? QString() : QStringLiteral("TOTAL"));
  if (s.noMostrarImportes) {
    d.pasaAncho(a::Importe, a::Descripcion);
    d.pasaAncho(a::Total, a::Descripcion);
    d.pasaAncho(a::TotalConImpuestos, a::Descripcion);
  }

  if (!s.stock) {
    d.columna(a::Impuestos, w(10), QStringLiteral("Impuestos"));
    d.columna(a::ITC, EsSi(core::Cfg(QStringLiteral("TransporteCombustibles"))) ? w(10) : 0, QStringLiteral("ITC"));
  } else {
    d.columna(a::Impuestos, 0, QString());
    // Stock vouchers carry no ITC: hidden, so no earlier layout shows it.
    d.columna(a::ITC, 0, QStringLiteral("ITC"));
  }

  if (rt::EqualsText(TC, QStringLiteral("DVPE"))) {
    d.columna(a::NroSerie, w.de(QStringLiteral("Nro. de Serie")), QStringLiteral("Nro. Serie"));
    d.columna(a::NroLote, w.de(QStringLiteral("Nro. de Lote")), QStringLiteral("Nro. Lote"));
  } else {
    d.columna(a::NroSerie, 0, QStringLiteral("AuxNroSerie"));
    d.columna(a::NroLote, 0, QStringLiteral("AuxNroLote"));
  }

  if (s.stock) {
    // 480 twips: a third of an inch.
    d.suma(a::Descripcion, d.ancho(a::Importe) - 480);
    d.pasaAncho(a::Total, a::Descripcion);
    d.ancho(a::Importe, 0);
    d.suma(a::IdUnidad, w(4));
    d.suma(a::Cantidad, w(7));
  }

  for (int c = 0; c < a::Columnas; ++c)
    if (EsOcultaSiempre(c)) d.columna(c, 0, TituloOculto(c));

  if (s.maderera) {
    d.columna(a::Espesor, w(7), QStringLiteral("Espesor"));
    d.columna(a::Ancho, w(7), QStringLiteral("Ancho"));
    d.columna(a::Coeficiente, w(7), QStringLiteral("Largo"));
    d.columna(a::UdPrecio, w(4), QStringLiteral("UD"));
    d.columna(a::ImporteUd, w(9), QStringLiteral("Importe"));
    d.ancho(a::Importe, 0);
  } else {
    for (int c : {a::Espesor, a::Ancho, a::UdPrecio, a::ImporteUd}) d.ancho(c, 0);
  }
}

void DisenaOtrosConceptos(ui::FlexGrid& grilla, const Medida& w, const Interruptores& s) {
  Diseno d(grilla);
  d.vacia(2, o::Columnas);
  d.columna(o::Detalle, w(49), QStringLiteral("Detalle"));
  d.alineaIzquierda(o::Detalle);
  d.columna(o::ImporteSinIVA, w(11), QStringLiteral("Importe S/Iva"));
  d.columna(o::Importe, w(11), QStringLiteral("Importe"));
  d.columna(o::Cuenta, 0, QStringLiteral("Cuenta"));
  if (s.noMostrarImportes) {
    d.pasaAncho(o::ImporteSinIVA, o::Detalle);
    d.pasaAncho(o::Importe, o::Detalle);
  }
  // The three last columns carry nothing.
  for (int c = o::Cuenta + 1; c < o::Columnas; ++c) d.columna(c, 0, QString());
}

void DisenaTotales(ui::FlexGrid& grilla, const Medida& w) {
  Diseno d(grilla);
  d.vacia(z::Filas, z::Columnas);
  d.columna(z::Descripcion, w(50), QStringLiteral("Descripcion"));
  d.alineaIzquierda(z::Descripcion);
  d.columna(z::CantidadItems, w(15), QStringLiteral("Cantidad ITEM'S"));
  d.columna(z::Cantidad, w(10), QStringLiteral("Cantidad"));
}

}  // namespace

void ClsCmnCptes::InicializaGrids(ui::FlexGrid* MSFlexGrid1, ui::FlexGrid* MSFlexGrid2, ui::FlexGrid* MSFlexGrid3,
                                  ui::TextBox* TxtEdit, ui::TextBox* txtEdit2, ui::TextBox* txtEdit3,
                                  const ui::Form* Obj, const QString& TC, ui::FlexGrid* MSFlexGrid4) {
  const Interruptores s = LeeInterruptores(TC);
  if (!Obj && (MSFlexGrid1 || MSFlexGrid2 || MSFlexGrid3 || MSFlexGrid4))
    rt::raise(rt::err::ObjectRequired);
  if (MSFlexGrid1) {
    DisenaTareas(*MSFlexGrid1, Medida(*Obj), s, TC);
    MSFlexGrid1->Refresh();
    if (TxtEdit) TxtEdit->Visible = false;
  }
  if (MSFlexGrid2) {
    DisenaArticulos(*MSFlexGrid2, Medida(*Obj), s, TC);
    MSFlexGrid2->Refresh();
    if (txtEdit2) txtEdit2->Visible = false;
  }
  if (MSFlexGrid3) {
    if (txtEdit3) txtEdit3->Text = QString();
    DisenaOtrosConceptos(*MSFlexGrid3, Medida(*Obj), s);
  }
  if (MSFlexGrid4) DisenaTotales(*MSFlexGrid4, Medida(*Obj));
}

}  // namespace vouchers
