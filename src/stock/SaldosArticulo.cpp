// Stock balances of an article: by unit and deposit, by lot, serial and
// position, and in a second unit.
#include "core/Configuration.h"
#include "data_access/DataAccessState.h"
#include "numbering/Equivalencias.h"
#include "numbering/SaldosStock.h"
#include "numbering/Valores.h"
#include "platform/runtime/Text.h"
#include "platform/suite/Library.h"
#include "stock/Sentencias.h"
#include "vouchers/ClsCmnCptes.h"

namespace vouchers {

using data_access::gDB;

namespace {

const QString kIgnorar = QStringLiteral("Ignorar");

bool Ignora(const QString* filtro) { return !filtro || rt::EqualsText(*filtro, kIgnorar); }

// A filter that counts: given, not "Ignorar", not blank.
bool Filtra(const QString* filtro) { return !Ignora(filtro) && !rt::Trim(*filtro).isEmpty(); }

}  // namespace

void ClsCmnCptes::ObtieneStockxEquiv(const QString& IdDeposito, const QString& IdArticulo, const QString& UdBase,
                                     const QString& udEquivBuscada, double& StockUdBase, double& StockEquiv) {
  numbering::ControlStock(IdDeposito, IdArticulo, UdBase, StockUdBase);
  QString base = UdBase;
  StockEquiv = udEquivBuscada.isEmpty()
                   ? 0
                   : numbering::RevierteEquivalencia(IdArticulo, base, StockUdBase, udEquivBuscada);
}

double ClsCmnCptes::ObtieneStock(const QString& IdArticulo, QString* IdDeposito, QString* NroLote, QString* NroSerie,
                                 QString* IdPosicion, QString* IdUnidad) {
  suite::Utilidades& util = suite::gUtilidades();
  rt::StepRunner pasos = numbering::Trampa(QStringLiteral("ObtieneStock"));
  double saldo = 0;

  if (Ignora(NroLote) && Ignora(NroSerie)) {
    QString deposito = IdDeposito ? *IdDeposito : kIgnorar;
    QString unidad = IdUnidad ? *IdUnidad : kIgnorar;
    if (rt::EqualsText(deposito, kIgnorar) &&
        !pasos.run([&] { deposito = util.RellenaCodigo(rt::Trim(core::Cfg(QStringLiteral("DepositoDefault"))), 4); }))
      return saldo;
    if (rt::EqualsText(unidad, kIgnorar) && !pasos.run([&] {
          unidad = util.RellenaCodigo(
              rt::Trim(numbering::TextoCampo(gDB().DatosTabla(QStringLiteral("v_ma_articulos"), IdArticulo,
                                                              QStringLiteral("IdUnidad"), QStringLiteral("IdArticulo")))),
              4);
        }))
      return saldo;
    if (IdDeposito) *IdDeposito = deposito;
    if (IdUnidad) *IdUnidad = unidad;
    pasos.run([&] { numbering::ControlStock(deposito, IdArticulo, unidad, saldo); });
    return saldo;
  }

  const QString articulo = util.RellenaCodigo(rt::Trim(IdArticulo), 25);
  ado::Recordset rs;
  bool usaSerie = false, usaLote = false;
  if (!pasos.run([&] { gDB().AbrirRecordset(stock::sentencia::ControlDelArticulo(articulo), rs); })) return saldo;
  if (!pasos.run([&] {
        usaSerie = rs["USASERIE"].Value().toBool();
        usaLote = rs["USALOTE"].Value().toBool();
      }))
    return saldo;
  gDB().CierraRecordset(rs);

  QString sql = stock::sentencia::SaldoDeSeriesYLotes(articulo);
  if (Filtra(IdDeposito)) sql += stock::sentencia::FiltroDeposito(util.RellenaCodigo(*IdDeposito, 4));
  if (Filtra(NroLote)) sql += stock::sentencia::FiltroLote(util.RellenaCodigo(rt::Trim(*NroLote), 25));
  if (Filtra(NroSerie)) sql += stock::sentencia::FiltroSerie(util.RellenaCodigo(rt::Trim(*NroSerie), 25));
  if (Filtra(IdPosicion)) sql += stock::sentencia::FiltroPosicion(util.RellenaCodigo(rt::Trim(*IdPosicion), 15));
  if (usaSerie && !usaLote) sql += stock::sentencia::SinLote();
  if (usaLote && !usaSerie) sql += stock::sentencia::SinSerie();
  if (!pasos.run([&] { gDB().AbrirRecordset(sql, rs); })) return saldo;
  pasos.run([&] { saldo = numbering::DobleDe(rs["SaldoStock"].Value()); });
  gDB().CierraRecordset(rs);
  return saldo;
}

}  // namespace vouchers
