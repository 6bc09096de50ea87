#include "VentanaComprobante.h"

#include <iterator>

#include "DemoComprobantes.h"
#include "core/BuscaArticulo.h"
#include "core/CoreState.h"
#include "data_access/DataAccessState.h"
#include "numbering/ColumnasGrillas.h"
#include "platform/runtime/Numbers.h"
#include "platform/runtime/Text.h"
#include "platform/suite/Library.h"
#include "platform/ui/KeyCodes.h"

namespace demo {

namespace {

namespace t = numbering::tareas;
namespace a = numbering::articulos;
namespace o = numbering::otros;

const char* const kTipos[] = {"FC", "FCC", "AJP"};
constexpr int kMargen = 120, kFila = 270;

struct LineaDeMuestra {
  const char* referencia;
  const char* importe;  // unit amount
  bool soloCompras;     // a supplier's code, known on a purchase voucher
};
const LineaDeMuestra kLineas[] = {{"2*ACEITE-OLIVA", "5200", false}, {"7791234000024", "650", false},
                                  {"17791234000014", "5200", false}, {"3*HARINA-000", "900", false},
                                  {"2020451015006", "8900", false},  {"DETERGENTE", "2100", false},
                                  {"PRV-7788", "1900", true},        {"2*MOL-0001", "850", true}};

// The width of every column a grid shows, with room for its border and a
// vertical scroll bar.
int AnchoVisible(const ui::FlexGrid& g) {
  int ancho = 400;
  for (int c = 0; c < g.Cols(); ++c) ancho += g.ColWidth(c);
  return ancho;
}

void Fila(ui::FlexGrid& g, std::initializer_list<std::pair<int, QString>> celdas) {
  const int fila = g.Rows() - 1;
  for (const auto& [columna, texto] : celdas) g.setTextMatrix(fila, columna, texto);
  g.setRows(g.Rows() + 1);
}

}  // namespace

VentanaComprobante::VentanaComprobante() : ui::Form(QStringLiteral("frmComprobanteDemo")) {
  // The demo's scale labels: a skipped digit, five of article code, the
  // weight in grams.
  core::gCore().gMascaraBalanza = QStringLiteral("0CCCCCQQQQQ");
  core::gCore().gDecimalesBalanza = QStringLiteral("3");
  BorderStyle = 3;
  lblTipo.Caption = QStringLiteral("Comprobante:");
  cboTipo.Style = ui::ComboBox::DropdownList;
  for (const char* tipo : kTipos) cboTipo.AddItem(QString::fromUtf8(tipo));
  cboTipo.Click = [this] {
    if (!nombrandoTipo_) Muestra(cboTipo.Text());
  };
  lblReferencia.Caption = QStringLiteral("Artículo:");
  txtReferencia.ToolTipText = QStringLiteral("Código, código de barras, DUN, cantidad*código o código del proveedor");
  txtReferencia.KeyPress = [this](int& KeyAscii) {
    if (KeyAscii != ui::key::Return) return;
    KeyAscii = 0;
    if (AgregaArticulo(txtReferencia.Text())) txtReferencia.Text = QString();
  };
  SSTab1.setTabCaption(0, QStringLiteral("Tareas"));
  SSTab1.setTabCaption(1, QStringLiteral("Artículos"));
  SSTab1.setTabCaption(2, QStringLiteral("Otros Conceptos"));
  SSTab1.setTab(1);
  lblTareas.Caption = QStringLiteral("Tareas");
  lblArticulos.Caption = QStringLiteral("Artículos");
  lblOtros.Caption = QStringLiteral("Otros Conceptos");
  lblTotales.Caption = QStringLiteral("Totales por rubro");
  for (ui::FlexGrid* g : {&MSFlexGrid1, &MSFlexGrid2, &MSFlexGrid3, &MSFlexGrid4}) g->setFixedCols(0);
  MSFlexGrid2.EnterCell = [this] { cpte_.MuestraDetalleArticulos(MSFlexGrid2, StatB, 1); };
  StatB.Panels.Add(0, QString(), QString()).Width = 6000;
  StatB.Panels.Add(0, QStringLiteral("Stock"), QString());
}

void VentanaComprobante::Muestra(const QString& TC) {
  tc_ = TC;
  Caption = QStringLiteral("Comprobante ") + TC + QStringLiteral(" - InicializaGrids");
  // A loaded voucher's type, named after the window's own, has no layout here.
  while (cboTipo.ListCount() > static_cast<int>(std::size(kTipos))) cboTipo.RemoveItem(cboTipo.ListCount() - 1);
  NombraTipo(TC);
  cpte_.InicializaGrids(&MSFlexGrid1, &MSFlexGrid2, &MSFlexGrid3, &TxtEdit, &txtEdit2, &txtEdit3, this, TC,
                        &MSFlexGrid4);
  // A stock voucher moves articles only.
  const bool stock = rt::EqualsText(TC, QStringLiteral("AJP"));
  SSTab1.setTabVisible(0, !stock);
  SSTab1.setTabVisible(2, !stock);

  MSFlexGrid1.setRows(1);
  MSFlexGrid1.setRows(2);
  if (!stock) {
    Fila(MSFlexGrid1, {{t::Codigo, "   1"}, {t::Descripcion, "Armado de cámara de frío"}, {t::Cantidad, "2:30"},
                       {t::Importe, "4500"}, {t::Total, "11250"}});
    Fila(MSFlexGrid1, {{t::Codigo, "   2"}, {t::Descripcion, "Limpieza de campana"}, {t::Cantidad, "1:45"},
                       {t::Importe, "4500"}, {t::Total, "7875"}});
    Fila(MSFlexGrid3, {{o::Detalle, "Flete a domicilio"}, {o::ImporteSinIVA, "1500"}, {o::Importe, "1815"}});
  }
  for (const LineaDeMuestra& l : kLineas) {
    if (l.soloCompras && !rt::EqualsText(TC, QStringLiteral("FCC"))) continue;
    if (!AgregaArticulo(QString::fromUtf8(l.referencia)) || stock) continue;
    // The line's amounts, as a voucher form works them out.
    const int fila = MSFlexGrid2.Rows() - 2;
    suite::Utilidades& util = suite::gUtilidades();
    const rt::Currency importe = util.TextoANumero(QString::fromUtf8(l.importe));
    const rt::Currency total = importe * util.TextoANumero(MSFlexGrid2.TextMatrix(fila, a::Cantidad));
    MSFlexGrid2.setTextMatrix(fila, a::Importe, rt::FormatNumber(importe, QStringLiteral("0.00")));
    MSFlexGrid2.setTextMatrix(fila, a::Total, rt::FormatNumber(total, QStringLiteral("0.00")));
    MSFlexGrid2.setTextMatrix(fila, a::TotalConImpuestos, rt::FormatNumber(total, QStringLiteral("0.00")));
    MSFlexGrid2.setTextMatrix(fila, a::Impuestos, QStringLiteral("0,00"));
  }
  lblResultado.Caption = QString();
  ubica();
  MSFlexGrid2.setCurrentCell(1, a::Cantidad);
}

void VentanaComprobante::NombraTipo(const QString& TC) {
  if (cboTipo.Text() == TC) return;
  bool enLista = false;
  for (int i = 0; i < cboTipo.ListCount(); ++i) enLista |= cboTipo.List(i) == TC;
  if (!enLista) cboTipo.AddItem(TC);
  nombrandoTipo_ = true;
  cboTipo.Text = TC;
  nombrandoTipo_ = false;
}

bool VentanaComprobante::AgregaArticulo(const QString& referencia) {
  QString codigo = rt::Trim(referencia), descripcion, udBase;
  bool esCodigoBarra = true;
  double cantidad = 1;
  rt::Currency importe;
  // A purchase voucher names its supplier, whose codes the search then knows.
  const bool compra = rt::EqualsText(tc_, QStringLiteral("FCC"));
  const ReferenciaDemo proveedor = ReferenciasDemo().back();
  ado::Recordset rs;
  if (!core::BuscaArticuloPorCodigo(codigo, rs, true, esCodigoBarra, descripcion,
                                    compra ? proveedor.proveedor : QString(), udBase,
                                    compra ? QStringLiteral("1") : QString(), cantidad, importe)) {
    lblResultado.Caption = QStringLiteral("No se encontró el artículo \"%1\"").arg(referencia);
    data_access::gDB().CierraRecordset(rs);
    return false;
  }
  const auto campo = [&](const char* nombre) { return rt::Trim(rs[QLatin1String(nombre)].Value().toStringOrEmpty()); };
  ui::FlexGrid& g = MSFlexGrid2;
  Fila(g, {{a::IdArticulo, codigo},
           {a::Descripcion, descripcion},
           {a::IdUnidad, udBase},
           {a::Cantidad, rt::NumberText(cantidad)},
           {a::TipoArticulo, campo("IdTipo")},
           {a::RubroArticulo, campo("IdRubro")},
           {a::CodigoBarra, campo("codigobarra")},
           {a::StockDisponible, "24"}});
  data_access::gDB().CierraRecordset(rs);
  lblResultado.Caption = QStringLiteral("%1: %2").arg(rt::Trim(codigo), descripcion);
  totaliza();
  // The new line becomes the current one, which the status line describes
  // (entering its cell does, unless the cell was current already).
  const int fila = g.Rows() - 2;
  if (g.Row() == fila && g.Col() == a::Cantidad) cpte_.MuestraDetalleArticulos(g, StatB, 1);
  else g.setCurrentCell(fila, a::Cantidad);
  return true;
}

void VentanaComprobante::totaliza() {
  cpte_.TotalizadorControl(MSFlexGrid1, MSFlexGrid2, MSFlexGrid3, MSFlexGrid4, SSTab1, true);
}

void VentanaComprobante::ubica() {
  const int ancho = std::max({AnchoVisible(MSFlexGrid1), AnchoVisible(MSFlexGrid2), AnchoVisible(MSFlexGrid3)});
  int y = kMargen;
  lblTipo.Move(kMargen, y + 60, 1200, 255);
  cboTipo.Move(kMargen + 1200, y, 1000, 315);
  lblReferencia.Move(kMargen + 2400, y + 60, 900, 255);
  txtReferencia.Move(kMargen + 3300, y, 2400, 315);
  // Two lines: a stored voucher's description takes them.
  lblResultado.Move(kMargen + 5900, y + 30, ancho - 5900, 390);
  y += 420;
  SSTab1.Move(kMargen, y, ancho, 330);
  y += 400;
  const auto bloque = [&](ui::Label& titulo, ui::FlexGrid& g, int filas, bool visible) {
    titulo.Visible = visible;
    g.Visible = visible;
    if (!visible) return;
    titulo.Move(kMargen, y, ancho, 255);
    g.Move(kMargen, y + 255, ancho, kFila * filas + 120);
    y += 255 + kFila * filas + 120 + kMargen;
  };
  bloque(lblTareas, MSFlexGrid1, 4, SSTab1.TabVisible(0));
  bloque(lblArticulos, MSFlexGrid2, 10, true);
  bloque(lblOtros, MSFlexGrid3, 3, SSTab1.TabVisible(2));
  lblTotales.Move(kMargen, y, ancho, 255);
  MSFlexGrid4.Move(kMargen, y + 255, AnchoVisible(MSFlexGrid4), kFila * 10 + 120);
  y += 255 + kFila * 10 + 120 + kMargen;
  StatB.Move(0, y, ancho + 2 * kMargen, 330);
  Move(-1, -1, ancho + 2 * kMargen + nonClientWidth(), y + 330 + nonClientHeight());
}

void MuestraVentanaComprobante(const QString& TC) {
  VentanaComprobante ventana;
  ventana.Muestra(TC);
  ventana.Show(ui::vbModal);
}

}  // namespace demo
