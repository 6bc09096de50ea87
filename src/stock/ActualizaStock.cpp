// The stock writer: a voucher's articles grid becomes signed stock movement
// rows, pass by pass, then the discharge of its components and its
// accounting entry; in immediate mode one transaction holds it all.
#include <QScopeGuard>

#include "core/Configuration.h"
#include "core/CoreState.h"
#include "data_access/DataAccessState.h"
#include "numbering/ColumnasGrillas.h"
#include "numbering/Valores.h"
#include "platform/runtime/Numbers.h"
#include "platform/runtime/Text.h"
#include "platform/suite/Library.h"
#include "platform/ui/FlexGrid.h"
#include "platform/ui/Host.h"
#include "platform/ui/MessageBox.h"
#include "stock/Grabacion.h"
#include "stock/Literales.h"
#include "stock/Sentencias.h"
#include "stock/SignoComprobante.h"
#include "vouchers/ClsCmnCptes.h"

namespace stock {

using data_access::gDB;
namespace a = numbering::articulos;

namespace {

void Avisa(const QString& mensaje, const QString& titulo) { ui::MsgBox(mensaje, ui::mb::Critical, titulo); }

}  // namespace

int Grabacion::Trampa(const rt::Error& error) {
  suite::gCartel().Cierra();
  return gDB().TratamientoErrores(error, std::nullopt, QStringLiteral("ActualizaStock"));
}

bool Grabacion::Cede() {
  return Paso([] { ui::DoEvents(); });
}

bool Grabacion::Graba(const QString& sentencia, int filas) {
  if (Acumula) {
    SQLTemp += QChar(13) + sentencia;
    return true;
  }
  ado::Errors& errores = gDB().gCnn.Errors();
  bool fallo = false;
  QString descripcion;
  if (!Paso([&] {
        // An entry left by an earlier statement is not this one's failure.
        errores.Clear();
        long escritas = -1;
        gDB().EjecutaConsultaSQL(sentencia, &escritas);
        fallo = errores.Count() > 0;
        if (fallo) {
          descripcion = errores[0].Description;
        } else if (filas > 0 && escritas < filas) {
          // The service takes a text wider than its column for a warning;
          // the database wrote nothing of the row.
          fallo = true;
          descripcion = QStringLiteral("El movimiento de stock no se grabó: un dato es más largo que su columna.");
        }
      }))
    return false;
  if (fallo) {
    if (MuestraCartel) suite::gCartel().Cierra();
    Avisa(descripcion, QStringLiteral("Aviso al operador"));
    return false;
  }
  return Cede();
}

bool Grabacion::Registra() {
  suite::Utilidades& util = suite::gUtilidades();
  core::CoreState& estado = core::gCore();

  // The business unit, then the voucher type: a voucher refused writes
  // nothing.
  if (rt::Trim(estado.gUNegocio).isEmpty()) {
    Avisa(QStringLiteral("ERROR EN ASIGNACION DE UNIDAD DE NEGOCIO\r\nVerifique si el usuario tiene asignado una "
                         "unidad de negocio"),
          QStringLiteral("Atencion!"));
    return false;
  }
  if (!Paso([&] {
        equivalente_ = rt::EqualsText(core::Cfg(QStringLiteral("ConfirmaUDEquiv")), QStringLiteral("SI"));
        asterisco_ = rt::EqualsText(rt::Trim(core::Cfg(QStringLiteral("ART_FormatoSerieAsterisco"))),
                                    QStringLiteral("SI"));
      }))
    return false;
  if (MuestraCartel) suite::gCartel().Muestra(QStringLiteral("Grabando Stock...."), 0);
  cuentaFila_ = Cuenta;

  // The origin: per line, none ("NULL") or a literal.
  TcOrigen = util.RellenaCodigo(rt::Trim(TcOrigen), 4);
  const auto origen = [](QString& valor, bool& delGrid) {
    delGrid = EsDelGrid(valor);
    if (delGrid) return;
    valor = rt::Trim(valor).isEmpty() ? kNull : Texto(valor);
  };
  origen(TcOrigen, tcOrigenDelGrid_);
  origen(ComprobanteOrigen, cpteOrigenDelGrid_);

  // The sign: the caller's, or the type's (an unknown type is refused).
  if (SignoRemota != 0) {
    signo_ = SignoRemota > 0 ? 1 : -1;
  } else {
    SignoTipo tipo;
    if (!Paso([&] { tipo = SignoDelTipo(TC, false, DebitoProveedor); })) return false;
    if (!tipo.Existe) return false;
    signo_ = tipo.Signo == 0 ? -1 : tipo.Signo;
  }
  if (!Cede()) return false;

  // The flags, the deposits and the motive, read once.
  if (!Paso([&] {
        compras_ = rt::EqualsText(
            rt::Trim(numbering::TextoCampo(gDB().DatosTabla(QStringLiteral("V_TA_CPTE"), TC, QStringLiteral("SISTEMA")))),
            QStringLiteral("COMPRAS"));
        produccion_ = rt::EqualsText(TC, QStringLiteral("OP"));
        depositoDefault_ = CodigoONull(core::Cfg(QStringLiteral("DepositoDefault")));
        motivoDefault_ = rt::Trim(core::Cfg(QStringLiteral("MotivoStockDefault")));
        depositoDelGrid_ = EsDelGrid(IdDeposito);
        if (!depositoDelGrid_) IdDeposito = rt::Trim(IdDeposito).isEmpty() ? depositoDefault_ : CodigoONull(IdDeposito);
        motivoDelGrid_ = EsDelGrid(IdMotivoStock);
        if (!motivoDelGrid_) {
          IdMotivoStock.remove(u'\'');
          IdMotivoStock = IdMotivoStock.isEmpty() ? CodigoONull(motivoDefault_) : CodigoONull(IdMotivoStock);
        }
        IdDepositoDestino = CodigoONull(IdDepositoDestino);
      }))
    return false;

  // A voucher whose entry was loaded before is refused whole in accumulate
  // mode, where its entry would be; a production order's later calls write
  // their rows under an entry of their own, as immediate mode does.
  if (Acumula && !produccion_ && YaCargado()) return false;

  // Every line is read and checked before anything is written: a line whose
  // rows do not add up to it refuses the voucher.
  const int pasadas = EsTransferencia || produccion_ ? 2 : 1;
  std::vector<LineaAGrabar> plan;
  if (!Planifica(pasadas, plan) || !CuadranLasLineas(plan)) return false;

  // A purchase voucher that comes from a purchase order marks it received,
  // ahead of the rows, when no receipt voucher is obligatory.
  bool recepcion = false;
  if (!Paso([&] {
        const QString irOblig = core::Cfg(QStringLiteral("IR_Oblig"));
        const bool obligatorio = !(rt::Trim(irOblig).isEmpty() || rt::EqualsText(irOblig, QStringLiteral("NO")));
        recepcion = util.EstaEnLista(TC, {"FCC", "RMC"}) && rt::EqualsText(TcOrigen, QStringLiteral("'OC'")) &&
                    !obligatorio;
      }))
    return false;
  if (recepcion && !Graba(sentencia::RecepcionOrdenDeCompra(TcOrigen, ComprobanteOrigen, Fecha))) return false;

  // The passes: a transfer goes out of the deposit and into the
  // destination; a production order brings its made lines in (column 28
  // "-1") and takes the others out, continuing the voucher's sequence.
  secuencia_ = SecuenciaFija > 0 ? SecuenciaFija : 0;
  if (produccion_ && !Paso([&] {
        IdDepositoDestino = IdDeposito;
        ado::Recordset rs;
        gDB().AbrirRecordset(sentencia::MayorSecuencia(util.RellenaCodigo(rt::Trim(TC), 4), SucNroLetra), rs);
        secuencia_ = rs.BOF() ? 0 : static_cast<float>(numbering::DobleDe(rs.Fields(0).Value()));
        gDB().CierraRecordset(rs);
        if (secuencia_ != 0) secuencia_ += 1;
      }))
    return false;

  const int filas = Grilla.Rows();
  int16_t secuenciaAsiento = 1;
  bool primerAsiento = true;
  for (const LineaAGrabar& linea : plan) {
    pasada_ = linea.pasada;
    signo_ = linea.signo;
    const int fila = linea.fila;
    // A transfer's line is valued by its first pass.
    const bool asienta = !EsTransferencia || pasada_ == 1;
    bool escribio = false;
    for (size_t i = 0; i < linea.items.size(); ++i) {
      const Item& item = linea.items[i];
      if (item.Cantidad == 0) continue;  // its sequence number goes to the next row
      secuencia_ += 1;
      if (!Cede()) return false;
      QString insert;
      if (!Paso([&] { insert = Renglon(fila, item, linea.base, linea.partesBase[i]); })) return false;
      if (insert.isEmpty()) continue;  // the operator went on past a failed row
      if (!Paso([&] {
            if (!comodato_) comodato_ = rt::Val(Grilla.TextMatrix(fila, a::EnComodato)) == 1;
          }))
        return false;
      if (!Cede()) return false;
      if (MuestraCartel)
        suite::gCartel().Actualiza(0, QStringLiteral("Grabando Stock..."),
                                     rt::Trim(Grilla.TextMatrix(fila, a::IdArticulo)) + QStringLiteral("  ") +
                                         Grilla.TextMatrix(fila, a::Descripcion),
                                     QString::number(fila) + QStringLiteral(" de ") + QString::number(filas - 1));
      if (!Graba(insert, 1)) return false;
      if (asienta) {
        escritas_[fila] += rt::Currency::fromDouble(item.Cantidad);
        escribio = true;
      }
    }
    if (Acumula || !escribio) continue;
    // One entry per line, after its rows, valuing what they wrote: a fresh
    // number for the first line, kept for the rest.
    QString asiento;
    if (!Paso([&] {
          asiento = Asienta(fila, 0, primerAsiento, secuenciaAsiento, escritas_);
          primerAsiento = false;
        }))
      return false;
    if (!asiento.isEmpty() && !Graba(asiento, static_cast<int>(asiento.count(u'\n')))) return false;
  }
  pasada_ = pasadas + 1;

  // The components, then the entry of the whole voucher (accumulate mode).
  if (!Cede()) return false;
  if (!DescargaInsumos()) return false;
  if (MuestraCartel) suite::gCartel().Cierra();
  if (Acumula) {
    QString asiento;
    int16_t secuencia = 1;
    if (!Paso([&] { asiento = Asienta(0, TipoAsientoStock(), true, secuencia, escritas_); })) return false;
    SQLTemp += QChar(13) + asiento;
  }
  return Cede();
}

int16_t Grabacion::TipoAsientoStock() const {
  const QString origen = rt::Trim(suite::gUtilidades().QuitaComillas(TcOrigen));
  const auto es = [this](const char* tc) { return rt::EqualsText(TC, QString::fromLatin1(tc)); };
  if (es("IR") && rt::EqualsText(origen, QStringLiteral("OC"))) return 5;
  if (es("RMC")) return 5;
  if (es("IR") && rt::EqualsText(origen, QStringLiteral("RM"))) return 4;
  if (es("RM") && comodato_) return 2;
  if (es("RM") && rt::EqualsText(core::Cfg(QStringLiteral("CuentaCtroDist")), cuentaFila_)) return 3;
  if (es("RM")) return 1;
  return 0;
}

}  // namespace stock

namespace vouchers {

void ClsCmnCptes::ActualizaStock(ui::FlexGrid& MSFlexGrid2, const QString& TC, const QString& SucNroLetra,
                                 const QString& IdComplemento, const QString& Fecha, QString* IdDeposito,
                                 QString* IdDepositoDestino, QString* IdMotivoStock, QString* TcOrigen,
                                 QString* ComprobanteOrigen, bool EsTransferencia, const QString& Cuenta,
                                 bool GeneraSentenciaSQL, QString* SQLTemp, bool* HayError, const QString& IdTecnico,
                                 const QString& LoteFijo, const QString& Aduana, const QString& LoteOrigen,
                                 int16_t SignoRemota, bool MuestraCartel, const QString& IdVendedor,
                                 float SecuenciaFija) {
  if (HayError) *HayError = false;
  // It yields to events while it records: a second voucher on this
  // instance meanwhile is refused.
  if (gGrabandoStock) {
    ui::MsgBox(QStringLiteral("Se está grabando el stock de otro comprobante. Espere a que termine y vuelva a "
                              "intentarlo."),
               ui::mb::Critical, QStringLiteral("Aviso al Operador"));
    if (HayError) *HayError = true;
    return;
  }
  gGrabandoStock = true;
  const auto libera = qScopeGuard([this] { gGrabandoStock = false; });

  QString sinTexto;
  const QString suc = rt::Mid(SucNroLetra, 1, 4), nro = rt::Mid(SucNroLetra, 5, 8), letra = rt::Mid(SucNroLetra, 13, 1);
  stock::Grabacion g(
      MSFlexGrid2, SQLTemp ? *SQLTemp : sinTexto,
      [&](int32_t fila, int16_t tipoMov, bool nuevo, int16_t& secuencia, const CantidadesEscritas& escritas) {
        QString motivo = g.IdMotivoStock, tc = TC, s = suc, n = nro, l = letra;
        bool esDebito = true;
        return ArmaAsientoStock(MSFlexGrid2, motivo, tc, s, n, l, Fecha, esDebito, tipoMov, fila,
                                nuevo ? NumeracionAsiento::Siguiente : NumeracionAsiento::Actual, secuencia, &escritas);
      },
      [&] { return AsientoYaCargado(TC, suc, nro, letra); });
  g.TC = TC;
  g.SucNroLetra = SucNroLetra;
  g.IdComplemento = IdComplemento;
  g.Fecha = Fecha;
  const auto argumento = [](const QString* valor) { return valor ? *valor : QString(); };
  g.IdDeposito = argumento(IdDeposito);
  g.IdDepositoDestino = argumento(IdDepositoDestino);
  g.IdMotivoStock = argumento(IdMotivoStock);
  g.TcOrigen = argumento(TcOrigen);
  g.ComprobanteOrigen = argumento(ComprobanteOrigen);
  g.EsTransferencia = EsTransferencia;
  g.Cuenta = Cuenta;
  g.Acumula = GeneraSentenciaSQL;
  g.IdTecnico = IdTecnico;
  g.LoteFijo = LoteFijo;
  g.Aduana = Aduana;
  g.LoteOrigen = LoteOrigen;
  g.IdVendedor = IdVendedor;
  g.SignoRemota = SignoRemota;
  g.MuestraCartel = MuestraCartel;
  g.SecuenciaFija = SecuenciaFija;
  g.DebitoProveedor = DebitoProveedor;
  g.PIVA = gPIVA;
  g.LenDesc = gLenDesc;

  // Immediate mode records the voucher whole or not at all: in a
  // transaction of its own, or in the caller's, which is the caller's to end.
  ado::Connection& cn = data_access::gDB().gCnn;
  bool propia = false;
  bool registrado = false;
  if (!GeneraSentenciaSQL && cn.TransactionLevel() == 0) {
    registrado = g.Paso([&] {
      cn.BeginTrans();
      propia = true;
    });
  } else {
    registrado = true;
  }
  if (registrado) registrado = g.Registra();
  if (propia) {
    if (registrado) {
      try {
        cn.CommitTrans();
      } catch (const rt::Error& e) {
        ui::MsgBox(e.Description(), ui::mb::Critical, QStringLiteral("Aviso al operador"));
        registrado = false;
      }
    }
    if (!registrado && cn.TransactionLevel() > 0) {
      try {
        cn.RollbackTrans();
      } catch (const rt::Error&) {
        // A connection that failed so far has nothing committed to keep.
      }
    }
  }
  if (MuestraCartel) suite::gCartel().Cierra();
  if (!registrado && HayError) *HayError = true;

  if (IdDeposito) *IdDeposito = g.IdDeposito;
  if (IdDepositoDestino) *IdDepositoDestino = g.IdDepositoDestino;
  if (IdMotivoStock) *IdMotivoStock = g.IdMotivoStock;
  if (TcOrigen) *TcOrigen = g.TcOrigen;
  if (ComprobanteOrigen) *ComprobanteOrigen = g.ComprobanteOrigen;
}

}  // namespace vouchers
