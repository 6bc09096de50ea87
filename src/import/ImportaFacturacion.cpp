// The invoice detail TXFAC becomes sales vouchers with their two-line
// accounting entries, one transaction per record.
#include <vector>

#include "core/Batch.h"
#include "core/CoreState.h"
#include "data_access/DataAccessState.h"
#include "import/AsientoVenta.h"
#include "import/Avance.h"
#include "import/EntryChecks.h"
#include "import/FacturaTavernix.h"
#include "import/FalloDeLaBase.h"
#include "import/ImportSql.h"
#include "import/Importar.h"
#include "import/RegistroOrigen.h"
#include "platform/runtime/Dates.h"
#include "platform/runtime/StepRunner.h"
#include "platform/runtime/Text.h"
#include "platform/suite/Library.h"
#include "platform/ui/Host.h"
#include "platform/ui/MessageBox.h"

namespace importacion {

namespace {

using data_access::gDB;

constexpr long kSinAutorizacion = 50000;

// The run refuses to start when the adjustment account it would write every
// second line on does not exist.
bool cuentaAjusteValida(const QString& cuenta) {
  if (!rt::Trim(cuenta).isEmpty() && gDB().ExisteEnTabla(QStringLiteral("MA_CUENTAS"), cuenta, QStringLiteral("CODIGO")))
    return true;
  ui::MsgBox(QStringLiteral("La cuenta de ajuste de clientes \"") + rt::Trim(cuenta) +
                 QStringLiteral("\" no existe en el plan de cuentas (MA_CUENTAS).\r\nIngrese una cuenta existente en "
                                "\"Cuenta Ajuste Clientes:\" y vuelva a importar."),
             ui::mb::OkOnly | ui::mb::Exclamation, QStringLiteral("Atencion!"));
  return false;
}

DatosTitular titularDe(const QString& cuenta) {
  data_access::DB_Dll& db = gDB();
  return DatosTitular{
      db.DatosTabla(QStringLiteral("MA_CUENTAS"), cuenta, QStringLiteral("DESCRIPCION")).toStringOrEmpty(),
      db.DatosTabla(QStringLiteral("MA_CUENTASADIC"), cuenta, QStringLiteral("IVA")).toStringOrEmpty()};
}

rt::Currency importe(const rt::Variant& v) { return v.isNull() || v.isEmpty() ? rt::Currency() : v.toCurrency(); }

// The stored voucher is this very one: same date, customer and total.
bool esElMismo(const ComprobanteGuardado& g, const FacturaTavernix& f) {
  return g.Fecha.date() == f.Fecha.date() && rt::EqualsText(rt::Trim(g.Cuenta), rt::Trim(f.Cuenta)) &&
         importe(g.Importe) == importe(rt::Variant(f.Total));
}

QString datos(const QDateTime& fecha, const QString& cuenta, const rt::Variant& total) {
  return (fecha.isValid() ? rt::DateText(fecha) : QStringLiteral("sin fecha")) + QStringLiteral(", cuenta ") + rt::Trim(cuenta) + QStringLiteral(", importe ") +
         rt::Variant(importe(total)).toString();
}

// Another voucher stands under the record's type and number.
QString otroComprobante(const ComprobanteGuardado& g, const FacturaTavernix& f) {
  return QStringLiteral("el comprobante ") + f.Tipo.TC + u' ' + f.IdComprobante +
         QStringLiteral(" ya está grabado con otros datos (grabado: ") + datos(g.Fecha, g.Cuenta, g.Importe) +
         QStringLiteral("; registro: ") + datos(f.Fecha, f.Cuenta, rt::Variant(f.Total)) + u')';
}

}  // namespace

void Importar::ImportaFacturacion(const QString& Tabla) {
  core::CoreState& st = core::gCore();
  rt::StepRunner steps([](const rt::Error& e) { return suite::gUtilidades().DialogoError(e); });

  QString ajuste;
  if (!steps.run([&] { ajuste = rt::Trim(cuentaPorTag(QStringLiteral("CtaAjusteCliente"))); })) return;
  if (!cuentaAjusteValida(ajuste)) return;
  if (!steps.run([&] { st.ListaCampos.clear(); })) return;
  if (!steps.run([&] { ValidaEjercicio(); })) return;

  Avance avance(rt::Now());
  long leidos = 0, grabados = 0, fallidos = 0;
  ado::Recordset rs;
  // The reason when the record reached cannot be read.
  std::optional<QString> ilegible;
  const auto mueve = [&](const std::function<void()>& paso) {
    return steps.run([&] { ilegible = MueveAlRegistro(conexionOrigen(), paso); });
  };
  if (!mueve([&] { rs.Open(sql::LeeFacturacion(), conexionOrigen()); })) return;
  bool hayRegistros = false;
  if (!steps.run([&] {
        hayRegistros = ilegible || !(rs.BOF() && rs.EOF());
        // An unreadable first record leaves the set before the next one.
        if (hayRegistros && !ilegible) rs.MoveFirst();
      }))
    return;

  QString archivo, carpeta, extension, nombre;
  suite::gUtilidades().SeparaRuta(Tabla, carpeta, archivo, extension, nombre);
  // The record in hand's number in the table, which names it where it is
  // rejected.
  long long registro = 0;
  // A record that cannot become a voucher is counted and recorded, not written.
  const auto rechaza = [&](const QString& motivo) {
    ++fallidos;
    RegistraRechazo(archivo, registro, motivo);
  };

  // What writing a record comes to: on with the run, or out of it (an
  // answer that leaves it); a failure of the database itself is kept in
  // `fallo`.
  enum class Paso { Sigue, Sale };
  std::optional<ado::Error> fallo;
  std::vector<QString> sentencias;
  const auto graba = [&](const FacturaTavernix& f) -> Paso {
    st.gPeriodo = f.Periodo;
    if (!steps.run([&] {
          // A failure of the database itself is the run's to tell, once.
          gDB().gCnn.Errors().Clear();
          gDB().EjecutaConsultaSQL(sql::InsertaDiaCalendario(f.FechaTexto), nullptr, nullptr, false);
          fallo = FalloDeLaBase(gDB().gCnn.Errors());
        }))
      return Paso::Sale;
    if (fallo) return Paso::Sigue;

    // The voucher may be stored already: the same one is left as it is
    // (a re-run), another one under its type and number is not written.
    std::optional<ComprobanteGuardado> asiento, cabecera;
    if (!steps.run([&] {
          asiento = AsientoClienteGuardado(f.Tipo.TC, f.Sucursal, f.Numero, f.Letra);
          if (!asiento) cabecera = CabeceraGuardada(f.Tipo.TC, f.Sucursal + f.Numero + f.Tipo.Letra);
        }))
      return Paso::Sale;
    const ComprobanteGuardado* guardado = asiento ? &*asiento : cabecera ? &*cabecera : nullptr;
    if (guardado && !esElMismo(*guardado, f)) {
      rechaza(otroComprobante(*guardado, f));
      return Paso::Sigue;
    }
    if (asiento) return Paso::Sigue;
    if (!steps.run([&] {
          if (!gDB().ExisteEnTabla(QStringLiteral("MA_CUENTAS"), f.Cuenta, QStringLiteral("CODIGO")))
            sentencias.push_back(sql::InsertaCuentaCliente(f.Cuenta));
        }))
      return Paso::Sale;

    // One entry number for both lines, taken once: the run holds the
    // database, so nobody takes it before the lines are written.
    DatosTitular titular;
    LineaAsiento linea1{1, f.Cuenta, f.Tipo.Lado, 0, &titular};
    QString textoLinea1, textoLinea2, textoCabecera;
    if (!steps.run([&] {
          titular = titularDe(f.Cuenta);
          linea1.NroAsiento = ObtieneNroAsiento(f.Mes, st.gPeriodo, QString());
          textoLinea1 = InsertaLineaAsiento(f, linea1);
        }))
      return Paso::Sale;
    LineaAsiento linea2{2, ajuste, f.Tipo.Lado == QStringLiteral("H") ? QStringLiteral("D") : QStringLiteral("H"),
                        linea1.NroAsiento, nullptr};
    ui::DoEvents();
    if (!steps.run([&] {
          textoLinea2 = InsertaLineaAsiento(f, linea2);
          if (!cabecera) textoCabecera = InsertaCabecera(f, titular);
        }))
      return Paso::Sale;

    if (linea1.NroAsiento == 0) {
      rechaza(QStringLiteral("no se pudo obtener el número de asiento"));
      return Paso::Sigue;
    }
    // A step the operator passed over: never half a voucher; the record is
    // recorded by the caller.
    if (textoLinea1.isEmpty() || textoLinea2.isEmpty() || (!cabecera && textoCabecera.isEmpty())) return Paso::Sigue;
    sentencias.push_back(textoLinea1);
    sentencias.push_back(textoLinea2);
    if (!cabecera) sentencias.push_back(textoCabecera);
    bool hayError = false;
    long codigo = 0;
    QString script, descripcion;
    ado::Error primero;
    const auto ejecuta = [&] {
      return steps.run([&] {
        core::GActualizarDatoScript(sentencias, hayError, codigo, false, false, script, descripcion, true, &primero);
        if (hayError && ado::IsDatabaseFailure(primero)) fallo = primero;
      });
    };
    if (!ejecuta()) return Paso::Sale;
    if (fallo) return Paso::Sigue;
    if (codigo == kSinAutorizacion) {
      const int respuesta = ui::MsgBox(
          QStringLiteral("Este error se produjo porque el usuario actual no tiene autorizada todas las cuentas, "
                         "por favor, entre en autorizacion de tareas, grupos, seleccione el usuario actual y "
                         "marque todas las cuentas, cuando lo haya hecho, pulse SI para continuar con el "
                         "proceso.. para abortar pulse no"),
          ui::mb::YesNo | ui::mb::Question, QStringLiteral("Atencion"));
      if (respuesta == ui::mb::No) return Paso::Sale;
      if (!ejecuta()) return Paso::Sale;
      if (fallo) return Paso::Sigue;
    }
    // The batch's own verdict: a failure may carry the number 0.
    if (hayError)
      ++fallidos;
    else
      ++grabados;
    return Paso::Sigue;
  };

  bool fin = false;
  // The record the database failed, where the run stopped.
  bool detenido = false;
  while (hayRegistros && !cancelado_) {
    if (!steps.run([&] { fin = rs.EOF(); })) return;
    if (fin) break;
    registro = 0;
    if (!steps.run([&] { registro = NumeroEnTabla(rs); })) return;
    if (!steps.run([&] { LblDetalle.Caption = avance.Texto(leidos, rs.RecordCount(), grabados, fallidos); })) return;
    ++leidos;
    const long contados = grabados + fallidos;
    const int pasados = steps.ignored();

    std::optional<FacturaTavernix> factura;
    QString motivo;
    if (ilegible) {
      rechaza(*ilegible);
    } else if (!steps.run([&] { factura = LeeFactura(rs, motivo); })) {
      return;
    } else if (!factura) {
      rechaza(motivo.isEmpty() ? steps.lastIgnored() : motivo);
    } else {
      // The same record again while the operator asks to retry it.
      for (;;) {
        fallo.reset();
        sentencias.clear();
        if (graba(*factura) == Paso::Sale) return;
        if (!fallo) break;
        if (ado::IsWaitEnded(*fallo)) {
          cancelado_ = true;
          break;
        }
        if (!ReintentaTrasFallo(*fallo, archivo, registro)) {
          detenido = true;
          break;
        }
      }
      if (fallo) {
        --leidos;
        break;
      }
    }

    // A failure the operator passed over may leave the record unwritten:
    // it is counted and recorded like any other record not imported.
    if (steps.ignored() != pasados && grabados + fallidos == contados) rechaza(steps.lastIgnored());

    ui::DoEvents();
    if (!mueve([&] { rs.MoveNext(); })) return;
    ui::DoEvents();
  }

  if (!steps.run([&] { muestraCuentas(avance, rs, leidos, grabados, fallidos); })) return;
  aseguraGrabado();
  if (detenido) {
    LblDetalle.Caption = LblDetalle.Caption() + MarcaDetenido(registro);
  } else if (cancelado_) {
    lblTabla.Caption = lblTabla.Caption() + QStringLiteral(" ---> CANCELADO ");
    LblDetalle.Caption = LblDetalle.Caption() + QStringLiteral(" ---> CANCELADO ");
  } else {
    LblDetalle.Caption = LblDetalle.Caption() + QStringLiteral(" FINALIZADO ");
  }
}

}  // namespace importacion
