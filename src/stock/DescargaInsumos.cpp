// The production-input discharge: the components of the recorded lines
// leave (or, against a return, come back into) stock through a "PE" voucher
// of their own, lot by lot where the component has lots in the deposit.
#include "core/Configuration.h"
#include "core/FieldList.h"
#include "core/Formatting.h"
#include "core/TextHelpers.h"
#include "data_access/DataAccessState.h"
#include "numbering/ColumnasGrillas.h"
#include "numbering/ComprobantesStock.h"
#include "numbering/RegistroNumero.h"
#include "numbering/Valores.h"
#include "platform/runtime/Text.h"
#include "platform/suite/Library.h"
#include "platform/ui/FlexGrid.h"
#include "stock/Grabacion.h"
#include "stock/Literales.h"
#include "vouchers/SentenciasCarga.h"

namespace stock {

using data_access::gDB;
namespace a = numbering::articulos;

namespace {

const QString kTipo = QStringLiteral("PE");
const QString kSucursal = QStringLiteral("0001");
const QString kLetra = QStringLiteral("X");

}  // namespace

bool Grabacion::DescargaInsumos() {
  bool descarga = false;
  if (!Paso([&] {
        descarga = !suite::gUtilidades().EstaEnLista(TC, {"AJP", "AJN", "OP"}) &&
                   !rt::EqualsText(core::Cfg(QStringLiteral("DescargaInsumosProduccion")), QStringLiteral("SI"));
      }))
    return false;
  if (!descarga) return true;

  // One discharge voucher per recording: a transfer's components leave each
  // line's deposit and enter the destination under it, continuing the
  // transfer's sequence; any other voucher's are numbered from 1.
  QString identidad;
  if (EsTransferencia) {
    if (!Descarga(identidad, -1, QString()) || !Descarga(identidad, 1, IdDepositoDestino)) return false;
  } else {
    secuencia_ = 0;
    if (!Descarga(identidad, signo_, QString())) return false;
  }
  if (secuencia_ <= 0 || rt::Trim(identidad).isEmpty()) return true;

  // The number that follows the one used, recorded by the caller's batch.
  return Paso([&] {
    QString letra = rt::Mid(identidad, 13, 1), sentencias;
    const rt::Currency siguiente =
        suite::gUtilidades().TextoANumero(rt::Mid(identidad, 5, 8)) + rt::Currency::fromInt(1);
    numbering::ActualizaNumeroComprobante(kTipo, QStringLiteral("STOCK"), rt::Mid(identidad, 1, 4),
                                          QStringLiteral(" ") + siguiente.toSqlText(), letra, true, sentencias, false,
                                          false);
    SQLTemp += QChar(13) + sentencias;
  });
}

bool Grabacion::Descarga(QString& identidad, int16_t signo, const QString& destino) {
  suite::Utilidades& util = suite::gUtilidades();
  const int filas = Grilla.Rows();
  for (int fila = 1; fila < filas; ++fila) {
    const auto celda = [&](int columna) { return Grilla.TextMatrix(fila, columna); };
    bool entra = false, porcentaje = false;
    double base = 0;
    std::vector<numbering::ItemStock> insumos;
    // A line none of whose rows was written has nothing to discharge.
    if (!escritas_.contains(fila)) continue;
    if (!Paso([&] {
          entra = util.TextoANumero(celda(a::Cantidad)) != rt::Currency() && !rt::Trim(celda(a::IdArticulo)).isEmpty();
          if (!entra) return;
          base = util.TextoADoble(celda(a::Cantidad));
          porcentaje = !celda(a::InsumosPorPorcentaje).isEmpty() &&
                       core::ValorLogico(rt::Trim(celda(a::InsumosPorPorcentaje)), true);
          // In percent, of the line's base quantity as its own rows read it:
          // a return brings back what its sale took.
          if (porcentaje) {
            if (const rt::Currency cantidadBase = CantidadBase(fila); cantidadBase != rt::Currency())
              base = cantidadBase.toDouble();
          }
          const QString articulo = rt::Trim(celda(a::IdArticulo)), clave = articulo.toCaseFolded();
          if (!insumos_.contains(clave)) {
            std::vector<numbering::ItemStock> leidos;
            if (!numbering::IdArticuloTieneInsumos(articulo, leidos)) leidos.clear();
            insumos_.insert(clave, leidos);
          }
          insumos = insumos_.value(clave);
          entra = !insumos.empty();
        }))
      return false;
    if (!entra) continue;
    if (identidad.isEmpty()) {
      if (!Paso([&] { identidad = numbering::AsignarNumeroComprobante(kTipo, kSucursal, kLetra); })) return false;
      if (identidad.isEmpty()) return false;  // its numbering was left at the error dialog
    }
    // The rows go to the line's deposit (or the destination), and the lots
    // are allotted where the rows go.
    const QString deposito = destino.isEmpty() ? DepositoDeLinea(fila, IdDeposito) : destino;
    const auto graba = [&](const QString& IdInsumo, const QString& unidad, double cantidad, const QString* lote) {
      QString renglon;
      return Paso([&] {
               renglon = RenglonInsumo(fila, identidad, signo, deposito, IdInsumo, unidad, cantidad, lote, porcentaje);
             }) &&
             (renglon.isEmpty() || Graba(renglon, 1));
    };
    if (porcentaje && !graba(QString(), QString(), 0, nullptr)) return false;
    for (const numbering::ItemStock& insumo : insumos) {
      const QString codigo = core::LimpiaTexto(insumo.Codigo);
      if (codigo.isEmpty()) continue;
      const double cantidad = porcentaje ? base * insumo.Cantidad / 100 : base * insumo.Cantidad;
      std::vector<numbering::ItemStock> lotes;
      bool conLotes = false;
      if (!Paso([&] { conLotes = numbering::ArticuloTieneLotes(codigo, deposito, lotes, cantidad); })) return false;
      if (!conLotes) {
        if (!graba(codigo, insumo.Unidad, cantidad, nullptr)) return false;
        continue;
      }
      for (const numbering::ItemStock& lote : lotes) {
        const QString nroLote = util.NormalizaCodigo(lote.Codigo);
        if (!graba(codigo, insumo.Unidad, util.TextoADoble(util.NormalizaCodigo(lote.Cantidad)), &nroLote)) return false;
      }
    }
  }
  return true;
}

QString Grabacion::RenglonInsumo(int fila, const QString& identidad, int16_t signo, const QString& deposito,
                                 const QString& IdInsumo, const QString& Unidad, double cantidad, const QString* lote,
                                 bool porcentaje) {
  suite::Utilidades& util = suite::gUtilidades();
  const auto celda = [&](int columna) { return Grilla.TextMatrix(fila, columna); };
  const bool esArticulo = IdInsumo.isEmpty();
  const QString articulo = Relleno(rt::Trim(celda(a::IdArticulo)), 25);
  const QString insumo = Relleno(rt::Trim(IdInsumo), 25);

  core::ListaDeCampos campos;
  const auto campo = [&](const char* nombre, const QString& literal) {
    campos.push_back({QString::fromLatin1(nombre), literal});
  };
  secuencia_ += 1;
  campo("TC", Texto(Relleno(kTipo, 4)));
  campo("IdComprobante", Texto(identidad));
  if (!compras_) campo("IdComplemento", vouchers::sentencia::Complemento(IdComplemento));
  campo("Secuencia", QString::number(static_cast<qint64>(secuencia_)));
  campo("Fecha", Texto(Fecha));
  campo("IdDeposito", deposito);
  campo("IdArticulo", Texto(esArticulo ? articulo : insumo));
  campo("Descripcion",
        Texto(esArticulo ? rt::Left(rt::Trim(celda(a::Descripcion)), kAnchoDescripcion)
                         : util.QuitaCaracteres(
                               rt::Trim(numbering::TextoCampo(gDB().DatosTabla(QStringLiteral("V_MA_ARTICULOS"), IdInsumo,
                                                                               QStringLiteral("DESCRIPCION"),
                                                                               QStringLiteral("IDARTICULO")))),
                               QStringLiteral("'"))));
  // A lot record without code is the part no lot covers: no lot, as in the
  // voucher's own rows.
  if (lote) campo("NroLote", CodigoONull(*lote, 25));
  campo("IdUnidad", CodigoONull(esArticulo ? celda(a::IdUnidad) : core::LimpiaTexto(Unidad)));
  if (esArticulo) {
    // The made article moves against the voucher in its base unit as well,
    // by the rule of the voucher's own rows: whole, as its quantity.
    const int16_t contra = static_cast<int16_t>(-signo);
    if (const UnidadBase base = BaseDeLinea(fila, contra); base.Escribe) {
      campo("CantidadUD", Numero(base.Total));
      campo("IdUnidadBase", Texto(base.Unidad));
    }
    campo("Cantidad", Numero(util.TextoANumero(celda(a::Cantidad)) * rt::Currency::fromInt(contra)));
  } else {
    campo("Cantidad", Numero(rt::Currency::fromDouble(cantidad) * rt::Currency::fromInt(signo)));
  }
  const QString cuenta = CuentaDeArticulo(porcentaje ? articulo : insumo);
  if (!rt::EqualsText(rt::Trim(cuenta), kNull)) campo("CuentaProveedor", Texto(cuenta));
  campo("IdMotivoStock", MotivoDeLinea(fila));
  campo("PrecioVenta", QStringLiteral("0"));
  campo("Importe_S_iva", QStringLiteral("0"));
  campo("Costo", Numero(esArticulo ? util.TextoANumero(celda(a::Costo)) : CostoDeArticulo(IdInsumo)));
  if (tcOrigenDelGrid_) TcOrigen = Texto(rt::Trim(rt::Left(celda(a::CpteOrigen), 4)));
  campo("Tc_Origen", Texto(TC));
  campo("IdComprobante_Origen", Texto(SucNroLetra));
  campo("ControladoPor", Texto(rt::Trim(celda(a::IdArticulo))));

  QString sentencia = QStringLiteral("INSERT INTO V_MV_STOCK");
  core::ArmaInsert(sentencia, campos, true);
  return sentencia;
}

}  // namespace stock
