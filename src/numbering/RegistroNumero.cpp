#include "numbering/RegistroNumero.h"

#include "core/Formatting.h"
#include "data_access/DataAccessState.h"
#include "numbering/Letras.h"
#include "numbering/SentenciasNumeracion.h"
#include "numbering/Talonarios.h"
#include "numbering/ValidacionNumero.h"
#include "numbering/Valores.h"
#include "platform/runtime/Dates.h"
#include "platform/runtime/Numbers.h"
#include "platform/runtime/Text.h"
#include "platform/suite/Library.h"
#include "platform/ui/Host.h"
#include "platform/ui/MessageBox.h"

namespace numbering {

using data_access::gDB;

namespace {

const QString kRutina = QStringLiteral("ActualizaNumeroComprobante");

// Statements are added after what the caller holds, never in its place.
void Agrega(QString& SQL, const QString& sentencia) {
  SQL += (SQL.isEmpty() || sentencia.startsWith(u'\r') ? QString() : QStringLiteral("\r\n")) + sentencia;
}

// One recording of a number, for the numbering type `tc`.
class Registro {
 public:
  Registro(const QString& tc, const QString& Sistema, const QString& Sucursal, const QString& Numero,
           const QString& Letra, bool SoloSentencia, QString& SQL, bool ForzarControl, bool NoActualizaTalonario)
      : tc_(tc),
        codigo_(suite::gUtilidades().RellenaCodigo(rt::Trim(tc), 4)),
        sistema_(rt::Trim(Sistema)),
        sucursal_(Sucursal),
        numero_(Numero),
        letra_(Letra),
        soloSentencia_(SoloSentencia),
        sql_(SQL),
        forzarControl_(ForzarControl),
        noActualizaTalonario_(NoActualizaTalonario) {}

  // Finds the book the number belongs to and records the number in it.
  void Registra(rt::StepRunner& pasos) {
    QString letra = letra_;
    QString mensaje;
    std::optional<int16_t> reconocido;
    if (!pasos.run([&] { ValidaNumeroComprobante(tc_, sucursal_, numero_, letra, mensaje, QString(), reconocido); }))
      return;
    // The counter is to hold the next number; after a book's last voucher
    // that number lies past its range, and the voucher's own number names
    // the book.
    if (!reconocido && !pasos.run([&] {
          const rt::Currency propio = suite::gUtilidades().TextoANumero(numero_) - rt::Currency::fromInt(1);
          ValidaNumeroComprobante(tc_, sucursal_, propio.toSqlText(), letra, mensaje, QString(), reconocido);
        }))
      return;

    // Only the book recognised for this number is recorded in, never one
    // an earlier call left chosen.
    ado::Recordset libro;
    bool hallado = false;
    if (reconocido) {
      talonario_ = *reconocido;
      const auto abre = [&](const QString& sql) {
        return pasos.run([&] {
          gDB().AbrirRecordset(sql, libro, nullptr, ado::adOpenDynamic, ado::adLockOptimistic);
          hallado = !libro.BOF();
        });
      };
      if (!abre(sentencia::TalonarioARegistrar(codigo_, talonario_))) return;
      if (!hallado) {
        if (!abre(sentencia::TalonarioDelSistema(codigo_, sistema_, talonario_))) return;
        enSistema_ = hallado;
      }
    }
    if (hallado)
      RegistraEnLibro(libro, pasos);
    else
      pasos.run([&] { ReportaSiNoExiste(libro); });
    gDB().CierraRecordset(libro);
  }

 private:
  // The book row is in one table or the other; the counter moves forward
  // only, and only in a book of the voucher's branch.
  void RegistraEnLibro(ado::Recordset& libro, rt::StepRunner& pasos) {
    suite::Utilidades& util = suite::gUtilidades();
    const QString contador = Columna(letra_, "_ULTIMO_NRO");
    bool mismaSucursal = true;
    bool avanza = false;
    if (!pasos.run([&] {
          mismaSucursal = util.TextoADoble(TextoCampo(libro[Columna(letra_, "_SUC_DEFAULT")].Value())) ==
                          util.TextoADoble(sucursal_);
        }) ||
        !mismaSucursal)
      return;
    if (!pasos.run([&] {
          // Read first, so that only a number text ever reaches the statements.
          const rt::Currency numero = util.TextoANumero(numero_);
          const rt::Variant ultimo = libro[contador].Value();
          avanza = ultimo.isNull() || numero >= util.TextoANumero(ultimo.toString()) + rt::Currency::fromInt(1);
        }))
      return;

    if (!soloSentencia_) {
      pasos.run([&] {
        if (!avanza) return;
        libro[contador] = numero_;
        libro["fechahora_modificacion"] = rt::FormatDate(rt::Now(), core::FormatoFechaHora());
        libro.Update();
      });
      return;
    }
    if (!pasos.run([&] {
          if (!avanza || noActualizaTalonario_) return;
          Agrega(sql_, enSistema_ ? sentencia::AvanzaContadorDelSistema(codigo_, sistema_, letra_, numero_, talonario_)
                                  : sentencia::AvanzaContador(codigo_, letra_, numero_, talonario_));
        }))
      return;
    pasos.run([&] {
      if (!rt::EqualsText(TextoCampo(libro["Sistema"].Value()), QStringLiteral("Contable")) &&
          !rt::EqualsText(tc_, QStringLiteral("OC")) && !forzarControl_)
        return;
      const rt::Currency usado = util.TextoANumero(numero_) - rt::Currency::fromInt(1);
      Agrega(sql_, sentencia::ControlDeNumero(codigo_,
                                              rt::FormatNumber(util.TextoANumero(sucursal_), QStringLiteral("0000")),
                                              rt::FormatNumber(usado, QStringLiteral("00000000")), letra_));
    });
  }

  // No book holds the number: nothing is recorded, and a type that is not
  // configured at all is reported.
  void ReportaSiNoExiste(ado::Recordset& libro) {
    gDB().AbrirRecordset(sentencia::ComprobanteConfigurado(codigo_), libro);
    if (libro.BOF())
      ui::MsgBox(QStringLiteral("Error en grabación del Comprobante, no se ha encontrado el comprobante configurado"),
                 ui::mb::Critical, QStringLiteral("ATENCION"));
  }

  const QString tc_;
  const QString codigo_;
  const QString sistema_;
  const QString& sucursal_;
  const QString& numero_;
  const QString& letra_;
  const bool soloSentencia_;
  QString& sql_;
  const bool forzarControl_;
  const bool noActualizaTalonario_;
  int16_t talonario_ = 0;
  bool enSistema_ = false;
};

}  // namespace

void ActualizaNumeroComprobante(const QString& TC, const QString& Sistema, const QString& Sucursal,
                                const QString& Numero, QString& Letra, bool SoloSentencia, QString& SQL,
                                bool ForzarControl, bool NoActualizaTalonario) {
  if (!EsLetraComprobante(LetraONinguna(Letra))) {
    // The letter names the book's columns: nothing is built with another.
    gDB().TratamientoErrores(
        ErrorPrograma(rt::err::InvalidCall, " La letra Informada no es Valida, la misma debe ser " + kLetrasComprobante),
        std::nullopt, kRutina);
    return;
  }
  Letra = LetraONinguna(Letra);
  rt::StepRunner pasos = Trampa(kRutina);
  QString tc;
  if (!pasos.run([&] { tc = ObtieneTCNumeracion(TC); })) return;
  Registro(tc, Sistema, Sucursal, Numero, Letra, SoloSentencia, SQL, ForzarControl, NoActualizaTalonario)
      .Registra(pasos);
}

}  // namespace numbering
