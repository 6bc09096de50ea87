#include "lots/FrmCargaLotesySeries.h"

#include <algorithm>
#include <cmath>

#include "core/Configuration.h"
#include "data_access/DataAccessState.h"
#include "lots/Cantidades.h"
#include "lots/CodigosNoOfrecidos.h"
#include "lots/SentenciasLotes.h"
#include "numbering/ListasSeriesLotes.h"
#include "numbering/Valores.h"
#include "platform/runtime/Text.h"
#include "platform/suite/Library.h"
#include "platform/ui/Host.h"
#include "platform/ui/KeyCodes.h"
#include "platform/ui/MessageBox.h"

namespace lots {

using data_access::gDB;

namespace {

const QChar kUnion = rt::Chr(255);

// Steps of a routine that goes on with the next one when one fails; the
// data layer has already shown a database error.
rt::StepRunner PasosQueSiguen() {
  return rt::StepRunner([](const rt::Error&) { return rt::answer::Ignore; });
}

// Units of the line: one row per unit of a whole quantity (either sign),
// one row for a quantity that is not whole.
int FilasDeCarga(double cantidad) {
  if (cantidad != std::floor(cantidad)) return 1;
  return static_cast<int>(std::min(std::fabs(cantidad), 1.0e6));
}

// A list of bars and blanks alone holds nothing.
bool SinItems(const QString& lista) {
  return rt::Trim(suite::gUtilidades().QuitaCaracteres(lista, QStringLiteral("|"))).isEmpty();
}

QString ListaVaciaSiNada(const QString& lista) { return SinItems(lista) ? QString() : lista; }

}  // namespace

FrmCargaLotesySeries::FrmCargaLotesySeries()
    : DialogoConEditor(QStringLiteral("FrmCargaLotesySeries"),
                       Diferencias{{rt::err::InvalidCall, 30010}, QString(), false, false}) {
  Caption = QStringLiteral("Numeros de Serie");
  KeyPreview = true;
  CmdAceptar.Caption = QStringLiteral("F2 &Aceptar");
}

void FrmCargaLotesySeries::Form_Load() {
  DialogoConEditor::Form_Load();
  UsaFormatoAsterisco = rt::EqualsText(rt::Trim(core::Cfg(QStringLiteral("ART_FormatoSerieAsterisco"))),
                                       QStringLiteral("SI"));
}

void FrmCargaLotesySeries::Form_KeyDown(int& KeyCode, int /*Shift*/) {
  if (KeyCode != ui::key::F2) return;
  KeyCode = 0;
  CmdAceptar_Click();
}

rt::Currency FrmCargaLotesySeries::CantidadPedida() const { return rt::Currency::fromDouble(Cantidad); }

void FrmCargaLotesySeries::CargaDatos() {
  if (!Loaded()) Load();
  rt::StepRunner pasos = PasosQueSiguen();
  pasos.run([&] {
    EsSerieYLote = EsSerie && EsLote;
    const QString deposito = QStringLiteral(" (Deposito: ") + Deposito + u')';
    if (EsTalle) {
      Caption = QStringLiteral("Talles, Colores, Sexo") + deposito;
      if (EsSerieYLote) EsSerieYLote = EsLote = false;
    } else if (EsSerieYLote) {
      Caption = QStringLiteral("Números de Lote y Serie") + deposito;
    } else if (EsSerie) {
      Caption = QStringLiteral("Números de Serie") + deposito;
    } else if (EsLote) {
      Caption = QStringLiteral("Números de Lote") + deposito;
    }
  });
  pasos.run([&] { lblArticulo.Caption = rt::ProperCase(ArticuloDescripcion); });
  pasos.run([&] { InicializaGrid(); });
  pasos.run([&] { VerificaAnteriores(); });
  pasos.run([&] { VerificaExistenciasEnGrilla(); });
  pasos.run([&] { AjustaAnchoColumnas(); });
  pasos.run([&] { VaAPrimeraCelda(); });
}

// ---------------------------------------------------------------- the grid

void FrmCargaLotesySeries::InicializaGrid() {
  if (EsConsultaDeSerieLote) InicializaConsulta();
  else InicializaCarga();
}

void FrmCargaLotesySeries::InicializaConsulta() {
  ui::FlexGrid& g = MSFlexGrid1;
  const int x = TextWidth(QStringLiteral("X"));
  LimpiaGrilla();
  g.setCols(4);
  g.setFixedRows(1);
  g.setFixedCols(2);
  g.setRows(1);
  g.setTextMatrix(0, kColumnaLote, EsTalle ? QStringLiteral("TALLE-COLOR-SEXO") : QStringLiteral("LOTE"));
  g.setTextMatrix(0, kColumnaSerie, QStringLiteral("SERIE"));
  g.setTextMatrix(0, kColumnaStock, QStringLiteral("CANT. STOCK"));
  g.setTextMatrix(0, kColumnaCantidad, QStringLiteral("CANT. "));
  g.setColWidth(kColumnaSerie, EsSerie ? 25 * x : 0);
  // Size items stand where the lot stands: their column shows with them.
  g.setColWidth(kColumnaLote, EsLote || EsTalle ? 18 * x : 0);
  g.setColWidth(kColumnaStock, 12 * x);
  g.setColWidth(kColumnaCantidad, 25 * x);
  g.setColAlignment(kColumnaSerie, ui::FlexGrid::CenterTop);
  g.setColAlignment(kColumnaLote, ui::FlexGrid::CenterTop);
  columnas = Columnas{kColumnaCantidad, kColumnaCantidad, kColumnaCantidad, kColumnaStock, -1};
}

int FrmCargaLotesySeries::ColumnaSerie() const {
  if (EsSerieYLote) return kColumnaEntrada + 1;
  return EsSerie ? kColumnaEntrada : -1;
}

int FrmCargaLotesySeries::ColumnaLote() const { return EsSerieYLote || !EsSerie ? kColumnaEntrada : -1; }

void FrmCargaLotesySeries::InicializaCarga() {
  ui::FlexGrid& g = MSFlexGrid1;
  const int x = TextWidth(QStringLiteral("X"));
  const int filas = FilasDeCarga(Cantidad);
  LimpiaGrilla();
  g.setFixedCols(0);
  g.setCols(EsSerieYLote ? 3 : 2);
  g.setFixedCols(1);
  g.setFixedRows(1);
  g.setRows(filas + 1);
  g.setTextMatrix(0, kColumnaItem, QStringLiteral("ITEM"));
  g.setColWidth(kColumnaItem, 25 * x);
  g.setColAlignment(kColumnaItem, ui::FlexGrid::CenterCenter);
  if (EsSerieYLote) {
    g.setTextMatrix(0, kColumnaEntrada, QStringLiteral("Número de Lote"));
    g.setTextMatrix(0, kColumnaEntrada + 1, QStringLiteral("Número de Serie"));
    g.setColWidth(kColumnaEntrada, 25 * x);
    g.setColWidth(kColumnaEntrada + 1, 25 * x);
  } else {
    g.setTextMatrix(0, kColumnaEntrada, EsSerie ? QStringLiteral("Número de Serie") : QStringLiteral("Número de Lote"));
    g.setColWidth(kColumnaEntrada, 35 * x);
  }
  for (int i = 1; i <= filas; ++i) g.setTextMatrix(i, kColumnaItem, QString::number(i));
  columnas = Columnas{kColumnaEntrada, g.Cols() - 1, -1, -1, ColumnaLote()};
}

// ------------------------------------------------- earlier entries and stock

void FrmCargaLotesySeries::VerificaAnteriores() {
  if (EsConsultaDeSerieLote) VerificaAnterioresConsulta();
  else VerificaAnterioresCarga();
}

FrmCargaLotesySeries::Par FrmCargaLotesySeries::ParDe(const QString& item) {
  const QString valor = numbering::ValorDeItem(item);
  const qsizetype union_ = valor.indexOf(kUnion);
  if (union_ < 0) return Par{valor, QString()};
  return Par{rt::Trim(valor.left(union_)), rt::Trim(valor.mid(union_ + 1))};
}

std::vector<FrmCargaLotesySeries::ParTomado> FrmCargaLotesySeries::ParesTomados(const QString& pares,
                                                                               const QString& cantidades) {
  std::vector<QString> listaPares, listaCantidades;
  numbering::DescomponeSerieLote(pares, listaPares);
  numbering::DescomponeSerieLote(cantidades, listaCantidades);
  std::vector<ParTomado> tomados;
  for (size_t k = 0; k + 1 < listaPares.size(); ++k)
    tomados.push_back(
        {ParDe(listaPares[k]), k < listaCantidades.size() ? numbering::ValorDeItem(listaCantidades[k]) : QString()});
  return tomados;
}

bool FrmCargaLotesySeries::Par::mismo(const Par& otro) const {
  return rt::EqualsText(lote, otro.lote) && rt::EqualsText(serie, otro.serie);
}

int FrmCargaLotesySeries::FilaDelPar(const Par& par) const {
  const ui::FlexGrid& g = MSFlexGrid1;
  for (int r = g.FixedRows(); r < g.Rows(); ++r)
    if (par.mismo({rt::Trim(g.TextMatrix(r, kColumnaLote)), rt::Trim(g.TextMatrix(r, kColumnaSerie))})) return r;
  return -1;
}

void FrmCargaLotesySeries::VerificaAnterioresConsulta() {
  ui::FlexGrid& g = MSFlexGrid1;
  const QString sql = sentencia::SeriesYLotesConStock(suite::gUtilidades().RellenaCodigo(Articulo, 25), Deposito);
  ado::Recordset rs;
  gDB().AbrirRecordset(sql, rs);
  const suite::Utilidades& util = suite::gUtilidades();
  // The net stock of each pair over all its rows and positions, the pair
  // read as the lists match it (trimmed, ignoring case), in the stock's
  // order: a row below 0 takes from the pair's other rows.
  std::vector<std::pair<Par, rt::Currency>> netos;
  for (; !rs.BOF() && !rs.EOF(); rs.MoveNext()) {
    const Par par{rt::Trim(util.ValorCampo(rs["NroLote"].Value()).toString()),
                  rt::Trim(util.ValorCampo(rs["NroSerie"].Value()).toString())};
    const rt::Currency cantidad = CantidadDeCampo(rs["Cantidad"].Value());
    const auto mismo =
        std::find_if(netos.begin(), netos.end(), [&](const auto& neto) { return neto.first.mismo(par); });
    if (mismo != netos.end()) mismo->second += cantidad;
    else netos.emplace_back(par, cantidad);
  }
  gDB().CierraRecordset(rs);
  bool conStock = false;
  CodigosNoOfrecidos fuera = LotesOSeriesNoOfrecidos();
  for (const auto& [par, cantidad] : netos) {
    if (cantidad <= rt::Currency()) continue;
    conStock = true;
    // Both codes are looked at, so the notice names each.
    const bool loteFuera = fuera.excluye(par.lote);
    if (fuera.excluye(par.serie) || loteFuera) continue;
    g.AddItem(par.lote + u'\t' + par.serie + u'\t' + TextoDeCantidad(cantidad));
  }
  AvisaAlMostrar(fuera.aviso());

  // Earlier picks whose pair has no stock any more still show, at 0.
  std::vector<QString> anteriores;
  numbering::DescomponeSerieLote(Lotes, anteriores);
  for (const QString& item : anteriores) {
    const Par par = ParDe(item);
    if (par.vacio() || FilaDelPar(par) >= 0) continue;
    g.AddItem(par.lote + u'\t' + par.serie + QStringLiteral("\t0\t0"));
  }
  if (!conStock) return;
  // The row for goods without lot or serial.
  g.AddItem(QString());
  if (Lotes.isEmpty()) CompletaCantidades();
  else RestauraCantidades();
}

void FrmCargaLotesySeries::RestauraCantidades() {
  ui::FlexGrid& g = MSFlexGrid1;
  // Items are read as the give-back reads them (a plain lot is that lot
  // without serial), and the quantities of one pair picked twice add up.
  std::vector<std::optional<rt::Currency>> tomadas(static_cast<size_t>(g.Rows()));
  for (const ParTomado& item : ParesTomados(Lotes, Series)) {
    const int fila = FilaDelPar(item.par);
    if (fila < 0 || item.cantidad.isEmpty()) continue;
    std::optional<rt::Currency>& tomada = tomadas[static_cast<size_t>(fila)];
    tomada = tomada.value_or(rt::Currency()) + CantidadDe(item.cantidad);
  }
  for (int r = g.FixedRows(); r < g.Rows(); ++r)
    if (const std::optional<rt::Currency>& tomada = tomadas[static_cast<size_t>(r)])
      Propone(r, kColumnaCantidad, TextoDeCantidad(*tomada));
}

void FrmCargaLotesySeries::VerificaAnterioresCarga() {
  if (EsSerieYLote) {
    LlenaColumna(kColumnaEntrada, LotesAnteriores);
    LlenaColumna(kColumnaEntrada + 1, SeriesAnteriores);
    return;
  }
  // One kind: whichever list the caller kept the entries in.
  QString lista = SeriesAnteriores;
  if (lista.isEmpty()) lista = LotesAnteriores;
  else if (!LotesAnteriores.isEmpty()) lista += rt::Trim(LotesAnteriores).mid(1);
  LlenaColumna(kColumnaEntrada, lista);
}

void FrmCargaLotesySeries::LlenaColumna(int columna, const QString& lista) {
  if (SinItems(lista)) return;
  ui::FlexGrid& g = MSFlexGrid1;
  int fila = g.FixedRows();
  for (const QString& item : numbering::ItemsDeLista(lista)) {
    if (fila >= g.Rows()) break;
    g.setTextMatrix(fila++, columna, numbering::ValorDeItem(item));
  }
}

void FrmCargaLotesySeries::AjustaStock(const QString& pares, const QString& cantidades, Ajuste ajuste,
                                       std::vector<rt::Currency>& deducido) {
  ui::FlexGrid& g = MSFlexGrid1;
  deducido.resize(static_cast<size_t>(g.Rows()));
  rt::StepRunner pasos = PasosQueSiguen();
  for (const ParTomado& item : ParesTomados(pares, cantidades)) {
    pasos.run([&] {
      const int fila = item.par.vacio() ? -1 : FilaDelPar(item.par);
      if (fila < 0) return;
      rt::Currency cantidad = CantidadDe(item.cantidad);
      rt::Currency& deducidoFila = deducido[static_cast<size_t>(fila)];
      if (ajuste == Ajuste::Devuelve) {
        // Never more than the lines took: the line's own picks are among them.
        cantidad = std::max(std::min(cantidad, deducidoFila), rt::Currency());
        deducidoFila -= cantidad;
        cantidad = -cantidad;
      } else {
        deducidoFila += cantidad;
      }
      g.setTextMatrix(fila, kColumnaStock, TextoDeCantidad(CantidadDe(g.TextMatrix(fila, kColumnaStock)) - cantidad));
    });
  }
}

void FrmCargaLotesySeries::VerificaExistenciasEnGrilla() {
  if (!EsConsultaDeSerieLote) return;
  rt::StepRunner pasos = PasosQueSiguen();
  // What every line of the article takes, this one included; this line's
  // own earlier picks are its to keep, so they go back, once.
  std::vector<rt::Currency> deducido;
  if (!LotesExistentes.isEmpty())
    pasos.run([&] { AjustaStock(LotesExistentes, SeriesExistentes, Ajuste::Deduce, deducido); });
  if (!Lotes.isEmpty()) pasos.run([&] { AjustaStock(Lotes, Series, Ajuste::Devuelve, deducido); });
  if (!Lotes.isEmpty()) return;
  pasos.run([&] {
    for (int r = MSFlexGrid1.FixedRows(); r < MSFlexGrid1.Rows(); ++r)
      MSFlexGrid1.setTextMatrix(r, kColumnaCantidad, QStringLiteral("0"));
    DistribuyeCantidad();
  });
}

void FrmCargaLotesySeries::CompletaCantidades() {
  ui::FlexGrid& g = MSFlexGrid1;
  rt::Currency resto = CantidadPedida();
  for (int r = g.FixedRows(); r < g.Rows(); ++r) {
    rt::Currency toma = std::min(std::max(CantidadDe(g.TextMatrix(r, kColumnaStock)), rt::Currency()), resto);
    const bool sinPar = rt::Trim(g.TextMatrix(r, kColumnaLote)).isEmpty() && rt::Trim(g.TextMatrix(r, kColumnaSerie)).isEmpty();
    if (toma == rt::Currency() && resto > rt::Currency() && sinPar) toma = resto;
    resto -= toma;
    Propone(r, kColumnaCantidad, TextoDeCantidad(toma));
    if (resto <= rt::Currency()) break;
  }
}

// ------------------------------------------------------------------ checks

std::optional<QString> FrmCargaLotesySeries::RevisaCantidad(const QString& texto, int fila, bool propia) {
  if (!EsConsultaDeSerieLote) return std::nullopt;
  const std::optional<rt::Currency> valor = LeeCantidad(texto);
  if (!valor) return QStringLiteral("La Cantidad informada no es un número");
  // What the operator types is a count of units taken; what the dialog
  // placed follows the line, a fraction of a lot sold by weight or a
  // negative line's quantity.
  if (!propia && *valor < rt::Currency()) return QStringLiteral("La Cantidad no puede ser Menor a Cero");
  if (!propia && valor->rounded(0) != *valor)
    return QStringLiteral("No Puede Informase Cantidades que no Sean Enteras");
  const ui::FlexGrid& g = MSFlexGrid1;
  const bool conPar = !rt::Trim(g.TextMatrix(fila, kColumnaLote)).isEmpty() ||
                      !rt::Trim(g.TextMatrix(fila, kColumnaSerie)).isEmpty();
  // Nothing taken is always possible, also from a stock the other lines
  // took below 0.
  if (conPar && *valor > rt::Currency() && *valor > CantidadDe(g.TextMatrix(fila, kColumnaStock)))
    return QStringLiteral("La Cantidad supera a la cantidad disponible en Stock");
  return std::nullopt;
}

void FrmCargaLotesySeries::EntradaValida(const QString& texto) {
  if (MSFlexGrid1.Row() != MSFlexGrid1.FixedRows()) return;
  MSFlexGrid1.setText(texto);
  CompletaTodoIgual();
}

// ------------------------------------------------------------------ accept

void FrmCargaLotesySeries::CmdAceptar_Click() {
  if (!CierraEdicion()) return;
  rt::StepRunner pasos([](const rt::Error& e) { return gDB().TratamientoErrores(e, std::nullopt, QString()); });
  bool aceptado = false;
  pasos.run([&] { aceptado = EsConsultaDeSerieLote ? AceptaConsulta() : AceptaCarga(); });
  if (aceptado) Hide();
}

bool FrmCargaLotesySeries::AceptaConsulta() {
  if (!RevisaCeldas() ||
      !SumaAceptada(Cantidad, MostrarForm, QStringLiteral("El Stock es Menor a la cantidad solicitada ")))
    return false;
  Lotes = ListaDePares();
  Series = ListaDeColumna(kColumnaCantidad);
  return true;
}

bool FrmCargaLotesySeries::AceptaCarga() {
  // Checked before the copy, so a refused first lot is refused on its row.
  if (!RevisaCeldas()) return false;
  CompletaTodoIgual();
  if (EsSerie && !RevisaSeries()) return false;
  if (EsSerieYLote) {
    Lotes = ListaDeColumna(kColumnaEntrada);
    Series = ListaDeColumna(kColumnaEntrada + 1);
  } else if (EsLote) {
    Lotes = ListaDeColumna(kColumnaEntrada);
    Series.clear();
  } else {
    Series = ListaDeColumna(kColumnaEntrada);
    Lotes.clear();
  }
  return true;
}

bool FrmCargaLotesySeries::RevisaSeries() {
  ui::FlexGrid& g = MSFlexGrid1;
  const int columna = ColumnaSerie();
  const auto enFila = [&](int fila) {
    g.setCurrentCell(fila, columna);
    MuestraCeldaActual(g);
  };
  rt::Currency unidades;
  std::vector<QString> vistas;
  int primeraVacia = -1;
  for (int r = g.FixedRows(); r < g.Rows(); ++r) {
    const QString entrada = rt::Trim(g.TextMatrix(r, columna));
    if (entrada.isEmpty()) {
      if (primeraVacia < 0) primeraVacia = r;
      continue;
    }
    QString serie = entrada;
    rt::Currency cantidad = rt::Currency::fromInt(1);
    if (UsaFormatoAsterisco) {
      const qsizetype asterisco = entrada.indexOf(u'*');
      if (asterisco >= 0) serie = rt::Trim(entrada.left(asterisco));
      const QString unidadesTexto = asterisco < 0 ? QString() : rt::Trim(entrada.mid(asterisco + 1));
      const std::optional<rt::Currency> leida = unidadesTexto.isEmpty() ? std::nullopt : LeeCantidad(unidadesTexto);
      if (serie.isEmpty() || !leida || *leida <= rt::Currency()) {
        enFila(r);
        ui::MsgBox(QStringLiteral("Segun configuracion del sistema, debe informar NRODESERIE * CANTIDAD \r\n"
                                  "Verifique la configuracion del sistema - Stock / Otros"),
                   ui::mb::OkOnly, QString());
        return false;
      }
      if (leida->rounded(0) != *leida) {
        enFila(r);
        Rechaza(QStringLiteral("No Puede Informase Cantidades que no Sean Enteras"));
        return false;
      }
      cantidad = *leida;
    }
    const bool repetida =
        std::any_of(vistas.begin(), vistas.end(), [&](const QString& vista) { return rt::EqualsText(vista, serie); });
    if (repetida) {
      enFila(r);
      Rechaza(QStringLiteral("El Número de Serie %1 está repetido (ITEM %2)").arg(serie).arg(r));
      return false;
    }
    vistas.push_back(serie);
    unidades += cantidad;
  }
  const rt::Currency pedida = CantidadPedida();
  const rt::Currency cubrir = pedida < rt::Currency() ? -pedida : pedida;
  // The asterisk format tells the units: they must be the line's, no more and
  // no fewer.
  if (UsaFormatoAsterisco && unidades != cubrir) {
    enFila(primeraVacia >= 0 && unidades < cubrir ? primeraVacia : g.FixedRows());
    Rechaza(QStringLiteral("La suma de las cantidades informadas (%1) no coincide con la cantidad solicitada (%2).")
                .arg(TextoDeCantidad(unidades), TextoDeCantidad(cubrir)));
    return false;
  }
  if (primeraVacia >= 0 && unidades < cubrir) {
    enFila(primeraVacia);
    Rechaza(QStringLiteral("Falta el Número de Serie del ITEM %1").arg(primeraVacia));
    return false;
  }
  return true;
}

QString FrmCargaLotesySeries::ListaDeColumna(int columna) const {
  std::vector<QString> items;
  for (int r = MSFlexGrid1.FixedRows(); r < MSFlexGrid1.Rows(); ++r) {
    const QString valor = rt::Trim(MSFlexGrid1.TextMatrix(r, columna));
    items.push_back(valor.isEmpty() ? QStringLiteral("-") : valor);
  }
  return ListaVaciaSiNada(ListaDeItems(items));
}

QString FrmCargaLotesySeries::ListaDePares() const {
  std::vector<QString> items;
  for (int r = MSFlexGrid1.FixedRows(); r < MSFlexGrid1.Rows(); ++r)
    items.push_back(rt::Trim(MSFlexGrid1.TextMatrix(r, kColumnaLote)) + kUnion +
                    rt::Trim(MSFlexGrid1.TextMatrix(r, kColumnaSerie)));
  return ListaVaciaSiNada(ListaDeItems(items));
}

}  // namespace lots
