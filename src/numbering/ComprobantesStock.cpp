#include "numbering/ComprobantesStock.h"

#include "core/CoreState.h"
#include "data_access/DataAccessState.h"
#include "numbering/ProximoNumero.h"
#include "numbering/SentenciasStock.h"
#include "numbering/Valores.h"
#include "platform/runtime/Numbers.h"
#include "platform/runtime/Text.h"
#include "platform/suite/Library.h"

namespace numbering {

using data_access::gDB;

namespace {

QString Fijo(const QString& texto, int ancho) { return texto.left(ancho).leftJustified(ancho, u' '); }

// A text between apostrophes whose own apostrophes are all doubled.
bool EsLiteral(const QString& texto) {
  if (texto.size() < 2 || !texto.startsWith(u'\'') || !texto.endsWith(u'\'')) return false;
  return !texto.mid(1, texto.size() - 2).remove(QStringLiteral("''")).contains(u'\'');
}

// The deposit as an SQL literal: the stock writer's own literal as it is,
// anything else a code filled to 4 and quoted.
QString LiteralDeDeposito(const QString& IdDeposito) {
  const QString deposito = rt::Trim(IdDeposito);
  if (EsLiteral(deposito) || rt::EqualsText(deposito, QStringLiteral("NULL"))) return deposito;
  return "'" + Lit(suite::gUtilidades().RellenaCodigo(deposito, 4)) + "'";
}

}  // namespace

ItemStock::ItemStock(const QString& codigo, const QString& unidad, double cantidad)
    : Codigo(Fijo(codigo, 25)), Unidad(Fijo(unidad, 4)), Cantidad(cantidad) {}

QString AsignarNumeroComprobante(const QString& TC, const QString& Sucursal, const QString& Letra) {
  suite::Utilidades& util = suite::gUtilidades();
  rt::StepRunner pasos = Trampa(QStringLiteral("AsignarNumeroComprobante"));
  QString sucursal = Sucursal, numero, letra = Letra;
  bool modifica = false;
  if (!pasos.run([&] {
        Obtener_Nro_Comprobante(TC, sucursal, numero, letra, modifica, true, core::gCore().gUNegocio);
        // A type without books comes back as "1", "1": the identity keeps
        // its 13 characters.
        sucursal = rt::FormatNumber(util.TextoANumero(sucursal), QStringLiteral("0000"));
        numero = rt::FormatNumber(util.TextoANumero(numero), QStringLiteral("00000000"));
      }))
    return QString();
  ado::Recordset rs;
  if (!pasos.run([&] {
        gDB().AbrirRecordset(sentencia::ComprobanteDeStock(TC, sucursal + numero + letra), rs);
        if (rs.BOF()) return;
        gDB().AbrirRecordset(sentencia::UltimoComprobanteDeStock(TC, sucursal, letra), rs);
        const rt::Variant ultimo = rs.BOF() ? rt::Variant::null() : rs["ULTIMO"].Value();
        numero = ultimo.isNull() ? QStringLiteral("00000001")
                                 : rt::FormatNumber(util.TextoANumero(rt::Mid(TextoCampo(ultimo), 5, 8)) +
                                                        rt::Currency::fromInt(1),
                                                    QStringLiteral("00000000"));
      }))
    return QString();
  gDB().CierraRecordset(rs);
  return sucursal + numero + letra;
}

bool ArticuloTieneLotes(const QString& IdArticulo, const QString& IdDeposito, std::vector<ItemStock>& Items,
                        double Cantidad) {
  if (rt::EqualsText(rt::Trim(IdDeposito), QStringLiteral("ELDELGRID"))) return false;
  bool tieneLotes = false;
  rt::StepRunner pasos = Trampa(QStringLiteral("ArticuloTieneLotes"));
  ado::Recordset rs;
  if (!pasos.run([&] {
        gDB().AbrirRecordset(sentencia::LotesConStock(suite::gUtilidades().RellenaCodigo(IdArticulo, 25),
                                                      LiteralDeDeposito(IdDeposito)),
                             rs);
      }))
    return false;

  // Quantities have four decimals: the running total is kept exact.
  const rt::Currency pedido = rt::Currency::fromDouble(Cantidad);
  rt::Currency total;
  Items = {ItemStock()};
  if (!pasos.run([&] {
        tieneLotes = !rs.BOF();
        if (!tieneLotes) Items.front().Cantidad = Cantidad;
        for (; !rs.EOF(); rs.MoveNext()) {
          const rt::Currency lote = rt::Currency::fromDouble(DobleDe(rs["Cantidad"].Value()));
          const QString nroLote = TextoCampo(rs["NroLote"].Value());
          if (total + lote > pedido) {
            Items.back() = ItemStock(nroLote, QString(), (pedido - total).toDouble());
            total = pedido;
            break;
          }
          Items.back() = ItemStock(nroLote, QString(), lote.toDouble());
          total += lote;
          Items.emplace_back();
        }
      }))
    return tieneLotes;
  pasos.run([&] {
    if (pedido > total) Items.emplace_back(QString(), QString(), (pedido - total).toDouble());
  });
  gDB().CierraRecordset(rs);
  return tieneLotes;
}

bool IdArticuloTieneInsumos(const QString& IdArticulo, std::vector<ItemStock>& Items) {
  bool tieneInsumos = false;
  rt::StepRunner pasos = Trampa(QStringLiteral("IdArticuloTieneInsumos"));
  ado::Recordset rs;
  if (!pasos.run([&] {
        gDB().AbrirRecordset(sentencia::Insumos(suite::gUtilidades().RellenaCodigo(rt::Trim(IdArticulo), 25)), rs);
      }))
    return false;
  Items = {ItemStock()};
  pasos.run([&] {
    tieneInsumos = !rs.BOF();
    for (; !rs.EOF(); rs.MoveNext()) {
      Items.back() = ItemStock(TextoCampo(rs["IdArticuloInsumo"].Value()), TextoCampo(rs["IdUnidadInsumo"].Value()),
                               DobleDe(rs["Cantidad"].Value()));
      Items.emplace_back();
    }
  });
  gDB().CierraRecordset(rs);
  return tieneInsumos;
}

}  // namespace numbering
