#include "lots/FrmLoteyPosicion.h"

#include "data_access/DataAccessState.h"
#include "lots/Cantidades.h"
#include "lots/CodigosNoOfrecidos.h"
#include "lots/SentenciasLotes.h"
#include "numbering/Equivalencias.h"
#include "numbering/ListasSeriesLotes.h"
#include "numbering/Valores.h"
#include "platform/runtime/Text.h"
#include "platform/suite/Library.h"

namespace lots {

using data_access::gDB;

namespace {

rt::StepRunner PasosQueSiguen() {
  return rt::StepRunner([](const rt::Error&) { return rt::answer::Ignore; });
}

QString Campo(ado::Recordset& rs, const char* nombre) {
  return rt::Trim(suite::gUtilidades().ValorCampo(rs[QLatin1String(nombre)].Value()).toString());
}

}  // namespace

FrmLoteyPosicion::FrmLoteyPosicion()
    : DialogoConEditor(QStringLiteral("FrmLoteyPosicion"),
                       Diferencias{{rt::err::InvalidCall}, QStringLiteral("0"), true, true}) {
  Caption = QStringLiteral("Posiciones");
  CmdAceptar.Caption = QStringLiteral("&Aceptar");
  MSFlexGrid1.setCols(5);
  columnas = Columnas{kColumnaCantidad, kColumnaCantidad, kColumnaCantidad, kColumnaDisponible, kColumnaUnidad};
}

rt::Currency FrmLoteyPosicion::CantidadPedida() const { return rt::Currency::fromDouble(Cantidad1); }

void FrmLoteyPosicion::CargaDatos() {
  if (!Loaded()) Load();
  rt::StepRunner pasos = PasosQueSiguen();
  pasos.run([&] {
    EsPosicionYLote = EsPosicion && EsLote;
    const QString deposito = QStringLiteral(" (Deposito: ") + Deposito + u')';
    if (EsPosicionYLote) Caption = QStringLiteral("Posiciones y Lotes") + deposito;
    else if (EsPosicion) Caption = QStringLiteral("Posiciones") + deposito;
    else if (EsLote) Caption = QStringLiteral("Números de Lote") + deposito;
  });
  pasos.run([&] { lblArticulo.Caption = rt::ProperCase(ArticuloDescripcion); });
  pasos.run([&] { InicializaGrid(); });
  pasos.run([&] { VerificaAnteriores(); });
  pasos.run([&] {
    if (MSFlexGrid1.Rows() <= MSFlexGrid1.FixedRows()) return;
    MSFlexGrid1.setCurrentCell(MSFlexGrid1.Rows() - 1, kColumnaCantidad);
    MuestraCeldaActual(MSFlexGrid1);
  });
  pasos.run([&] { AjustaAnchoColumnas(); });
}

void FrmLoteyPosicion::InicializaGrid() {
  ui::FlexGrid& g = MSFlexGrid1;
  LimpiaGrilla();
  g.setCols(5);
  if (!EsPosicion && !EsLote) return;
  g.setRows(1);
  const char* const titulos[] = {"POSICION", "LOTE", "UNIDAD", "DISPONIBLE", "CANT."};
  for (int c = 0; c < 5; ++c) g.setTextMatrix(0, c, QString::fromLatin1(titulos[c]));
  g.setColAlignment(kColumnaPosicion, ui::FlexGrid::CenterTop);
  g.setColAlignment(kColumnaLote, ui::FlexGrid::CenterTop);
  // The column of what the mode does not keep goes.
  if (!EsLote) {
    g.setTextMatrix(0, kColumnaLote, QString());
    g.setColWidth(kColumnaLote, 0);
  } else if (!EsPosicion) {
    g.setTextMatrix(0, kColumnaPosicion, QString());
    g.setColWidth(kColumnaPosicion, 0);
  }
}

void FrmLoteyPosicion::SeparaPosicionesYLotes(const QString& posiciones, const QString& lotes,
                                              std::vector<QString>& ArrPosiciones,
                                              std::vector<QString>& ArrCantidades, std::vector<QString>& ArrLote) {
  numbering::DescomponePosicionCantidadLote(posiciones, lotes, ArrPosiciones, ArrCantidades, ArrLote);
}

void FrmLoteyPosicion::VerificaAnteriores() {
  suite::Utilidades& util = suite::gUtilidades();
  const QString deposito = util.RellenaCodigo(Deposito, 4), articulo = util.RellenaCodigo(Articulo, 25);
  std::vector<QString> posiciones, cantidades, lotes;
  if (EsConsultaDePosicionLote) SeparaPosicionesYLotes(PosicionesAnteriores, LotesAnteriores, posiciones, cantidades, lotes);
  primeraSinPosicion_ = -1;
  lotesFuera_ = LotesOSeriesNoOfrecidos();
  posicionesFuera_ = PosicionesNoOfrecidas();
  if (EsPosicionYLote) AgregaSaldos(sentencia::SaldosPorPosicionYLote(deposito, articulo), true);
  else if (SoloLote()) AgregaSaldos(sentencia::SaldosPorLote(deposito, articulo), true);
  else if (EsPosicion || EsConsultaDePosicionLote) AgregaSaldos(sentencia::SaldosPorPosicion(deposito, articulo), false);
  else return;
  // Lot-only rows already hold the stock without position.
  if (!SoloLote()) AgregaSaldoSinPosicion();
  QStringList avisos;
  for (const QString& aviso : {lotesFuera_.aviso(), posicionesFuera_.aviso()})
    if (!aviso.isEmpty()) avisos << aviso;
  AvisaAlMostrar(avisos.join(QStringLiteral("\r\n")));
  if (EsConsultaDePosicionLote) Restaura(posiciones, cantidades, lotes);
  else DistribuyeCantidad();
}

void FrmLoteyPosicion::AgregaSaldos(const QString& sql, bool conLote) {
  ui::FlexGrid& g = MSFlexGrid1;
  ado::Recordset rs;
  gDB().AbrirRecordset(sql, rs);
  for (; !rs.BOF() && !rs.EOF(); rs.MoveNext()) {
    const QString posicion = SoloLote() ? QString() : Campo(rs, "idposicion");
    const QString lote = conLote ? Campo(rs, "nrolote") : QString();
    // Both codes are looked at, so the notice names each.
    const bool loteFuera = lotesFuera_.excluye(lote);
    if (posicionesFuera_.excluye(posicion) || loteFuera) continue;
    QString base = suite::gUtilidades().RellenaCodigo(Campo(rs, "idunidadbase"), 4);
    const double disponible = numbering::DobleDe(suite::gUtilidades().ValorCampo(rs["disponible"].Value()));
    const rt::Currency saldo =
        rt::Currency::fromDouble(numbering::AplicaEquivalencia(Articulo, base, disponible, IUNIDAD));
    // One row per position (and lot): the balances of one are added up.
    int fila = -1;
    for (int r = g.FixedRows(); r < g.Rows() && fila < 0; ++r)
      if (rt::EqualsText(g.TextMatrix(r, kColumnaPosicion), posicion) && rt::EqualsText(g.TextMatrix(r, kColumnaLote), lote))
        fila = r;
    if (fila >= 0) {
      g.setTextMatrix(fila, kColumnaDisponible, TextoDeCantidad(CantidadDe(g.TextMatrix(fila, kColumnaDisponible)) + saldo));
      continue;
    }
    g.AddItem(posicion + u'\t' + lote + u'\t' + IUNIDAD + u'\t' + TextoDeCantidad(saldo) + u'\t' +
              (conLote ? QStringLiteral("0") : QString()));
  }
  gDB().CierraRecordset(rs);
}

void FrmLoteyPosicion::AgregaSaldoSinPosicion() {
  suite::Utilidades& util = suite::gUtilidades();
  const QString deposito = util.RellenaCodigo(Deposito, 4), articulo = util.RellenaCodigo(Articulo, 25);
  // The balances by lot ("" for every lot together in the modes without
  // lots).
  std::vector<std::pair<QString, rt::Currency>> saldos;
  ado::Recordset rs;
  if (EsPosicionYLote) {
    // One row per lot, so that what is taken from it keeps its lot.
    gDB().AbrirRecordset(sentencia::SaldosSinPosicionPorLote(deposito, articulo), rs);
    for (; !rs.BOF() && !rs.EOF(); rs.MoveNext()) {
      const rt::Currency saldo = CantidadDeCampo(util.ValorCampo(rs["SALDO"].Value()));
      const QString lote = Campo(rs, "NROLOTE");
      if (saldo != rt::Currency() && !lotesFuera_.excluye(lote)) saldos.emplace_back(lote, saldo);
    }
  } else {
    gDB().AbrirRecordset(sentencia::SaldoSinPosicion(deposito, articulo), rs);
    for (; !rs.BOF() && !rs.EOF(); rs.MoveNext()) {
      if (saldos.empty()) saldos.emplace_back(QString(), rt::Currency());
      saldos.front().second += CantidadDeCampo(util.ValorCampo(rs["SALDO"].Value()));
    }
  }
  gDB().CierraRecordset(rs);
  if (saldos.empty()) return;
  // The statements tell no unit: the balance is in the article's own.
  QString unidad = numbering::ObtieneUnidadArticulo(Articulo);
  primeraSinPosicion_ = MSFlexGrid1.Rows();
  for (const auto& [lote, saldo] : saldos) {
    const rt::Currency convertido =
        rt::Currency::fromDouble(numbering::AplicaEquivalencia(Articulo, unidad, saldo.toDouble(), IUNIDAD));
    MSFlexGrid1.AddItem(QStringLiteral("DEPOSITO ") + Deposito + u'\t' + lote + u'\t' + IUNIDAD + u'\t' +
                        TextoDeCantidad(convertido) + QStringLiteral("\t0"));
  }
}

void FrmLoteyPosicion::Restaura(const std::vector<QString>& posiciones, const std::vector<QString>& cantidades,
                                const std::vector<QString>& lotes) {
  ui::FlexGrid& g = MSFlexGrid1;
  const bool porLote = EsPosicionYLote || SoloLote();
  for (size_t k = 0; k + 1 < posiciones.size(); ++k) {
    const QString posicion = rt::Trim(posiciones[k]);
    // A list of lots shorter than the positions: the missing lots are empty.
    const QString lote = k < lotes.size() ? rt::Trim(lotes[k]) : QString();
    const QString cantidad = k < cantidades.size() ? cantidades[k] : QString();
    // An item without position goes to the stock without position (of its
    // lot, where that stock is kept by lot); one that finds no row is dropped.
    const bool sinPosicion = posicion.isEmpty() && !SoloLote();
    for (int r = g.FixedRows(); r < g.Rows(); ++r) {
      if (EsSinPosicion(r) != sinPosicion ||
          (!sinPosicion && !rt::EqualsText(rt::Trim(g.TextMatrix(r, kColumnaPosicion)), posicion)) ||
          (porLote && !rt::EqualsText(rt::Trim(g.TextMatrix(r, kColumnaLote)), lote)))
        continue;
      Propone(r, kColumnaCantidad, cantidad);
      break;
    }
  }
}

std::optional<QString> FrmLoteyPosicion::RevisaCantidad(const QString& texto, int fila, bool propia) {
  const std::optional<rt::Currency> valor = LeeCantidad(texto);
  if (!valor) return QStringLiteral("La Cantidad informada no es un número");
  // A negative line's quantity the dialog placed itself passes.
  if (!propia && *valor < rt::Currency()) return QStringLiteral("La Cantidad no puede ser Menor a Cero");
  // Nothing taken is always possible, also from a balance below 0.
  if (*valor > rt::Currency() && *valor > CantidadDe(MSFlexGrid1.TextMatrix(fila, kColumnaDisponible)))
    return QStringLiteral("No hay disponible para esa posicion");
  return std::nullopt;
}

void FrmLoteyPosicion::CmdAceptar_Click() {
  if (!CierraEdicion()) return;
  rt::StepRunner pasos([](const rt::Error& e) { return gDB().TratamientoErrores(e, std::nullopt, QString()); });
  bool aceptado = false;
  pasos.run([&] {
    if (!RevisaCeldas() ||
        !SumaAceptada(Cantidad1, MostrarForm,
                      QStringLiteral("La suma de cantidades informadas es Menor a la cantidad solicitada ")))
      return;
    if (EsPosicionYLote || SoloLote()) {
      Posiciones = Lista(true);
      Lotes = Lista(false);
    } else if (EsPosicion) {
      Posiciones = Lista(true);
    }
    aceptado = true;
  });
  if (aceptado) Hide();
}

QString FrmLoteyPosicion::Lista(bool posiciones) const {
  const ui::FlexGrid& g = MSFlexGrid1;
  std::vector<QString> items;
  for (int r = g.FixedRows(); r < g.Rows(); ++r) {
    const QString cantidad = rt::Trim(g.TextMatrix(r, kColumnaCantidad));
    if (cantidad.isEmpty() || cantidad == u'0') continue;
    // The stock without position, and lots kept without position, have none.
    const bool sinPosicion = EsSinPosicion(r) || SoloLote();
    if (posiciones)
      items.push_back((sinPosicion ? QString() : rt::Trim(g.TextMatrix(r, kColumnaPosicion))) + u'*' + cantidad);
    else
      items.push_back(rt::Trim(g.TextMatrix(r, kColumnaLote)));
  }
  return ListaDeItems(items);
}

}  // namespace lots
