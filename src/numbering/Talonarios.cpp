#include "numbering/Talonarios.h"

#include "core/Configuration.h"
#include "core/Formatting.h"
#include "data_access/DataAccessState.h"
#include "numbering/Letras.h"
#include "numbering/NumberingState.h"
#include "numbering/SentenciasNumeracion.h"
#include "numbering/Valores.h"
#include "platform/runtime/Numbers.h"
#include "platform/runtime/Text.h"
#include "platform/suite/Library.h"
#include "platform/ui/Host.h"
#include "platform/ui/MessageBox.h"

namespace numbering {

using data_access::gDB;

namespace {

constexpr double kMayorNumero = 99999999;

// Counter below range end, as the row holds them; a Null on either side
// is not below.
bool EsMenor(const rt::Variant& a, const rt::Variant& b) {
  if (a.isNull() || b.isNull()) return false;
  if (a.isNumeric() && b.isNumeric()) return a.toDouble() < b.toDouble();
  return rt::StrComp(a.toString(), b.toString(), rt::Compare::Text) < 0;
}

// Outcome of one book row of the walk.
enum class Talonario { Elegido, Agotado, NoSirve };

// Steps a to d of the walk for the current row: the letter the book issues,
// whether it is used up or expired, and the offer of the first usable one.
Talonario ExaminaTalonario(ado::Recordset& rs, QString& Letra, const QString& Fecha, QString& Sucursal,
                           QString& Numero, bool& ModificaNumeracion, QString& Hasta) {
  const rt::Variant letras = rs["Letras"].Value();
  if (!letras.isNull() &&
      (!EsLetraComprobante(Letra) || rt::InStr(letras.toString(), rt::Trim(Letra), rt::Compare::Text) == 0)) {
    Letra = rt::Left(letras.toString(), 1);
    if (rt::Trim(Letra).isEmpty()) Letra = QStringLiteral("X");
  }
  if (!EsLetraComprobante(Letra))
    throw ErrorPrograma(rt::err::InvalidCall, "La letra " + Letra + " del talonario " +
                                                  TextoCampo(rs["TALONARIO"].Value()) +
                                                  " no es valida, la misma debe ser " + kLetrasComprobante);

  const rt::Variant ultimo = rs[Columna(Letra, "_ULTIMO_NRO")].Value();
  const rt::Variant hasta = rs[Columna(Letra, "_NRO_HASTA")].Value();
  const bool sinRango = EsTalonarioSinRango(rs, Letra);
  const double contador = NumeroInicial(ultimo);
  // A counter past eight digits gives no voucher number.
  if (contador > kMayorNumero || (!sinRango && !EsMenor(ultimo, hasta))) return Talonario::Agotado;

  // A book is usable on the day its range expires; a book without range
  // does not expire.
  const rt::Variant vence = rs[ColumnaVence(Letra)].Value();
  if (!sinRango && !rt::Trim(Fecha).isEmpty() && !rt::Trim(TextoCampo(vence)).isEmpty() &&
      DiaDe(Fecha) > DiaDe(vence))
    return Talonario::NoSirve;

  // Read whole before anything is handed back: a book that cannot be read
  // (a TALONARIO past a whole number) leaves the outputs as they were.
  const QString sucursal =
      rt::FormatNumber(NumeroInicial(rs[Columna(Letra, "_SUC_DEFAULT")].Value()), QStringLiteral("0000"));
  const QString numero = rt::FormatNumber(contador == 0 ? 1 : contador, QStringLiteral("00000000"));
  const QString fin = rt::FormatNumber(NumeroInicial(hasta), QStringLiteral("00000000"));
  const int16_t talonario = rt::CInt(NumeroInicial(rs["TALONARIO"].Value()));
  const bool modifica = core::ValorLogico(TextoCampo(rs["Modificanumeracion"].Value()), true);
  Sucursal = sucursal;
  Numero = numero;
  Hasta = fin;
  gNumeracion().TalonarioActual = talonario;
  ModificaNumeracion = modifica;
  return Talonario::Elegido;
}

}  // namespace

bool EsTalonarioSinRango(ado::Recordset& libro, const QString& Letra) {
  const auto esCero = [](const rt::Variant& valor) { return !valor.isNull() && NumeroInicial(valor) == 0; };
  const rt::Variant modifica = libro["Modificanumeracion"].Value();
  return !modifica.isNull() && modifica.toBool() && esCero(libro[Columna(Letra, "_NRO_DESDE")].Value()) &&
         esCero(libro[Columna(Letra, "_NRO_HASTA")].Value());
}

QString ObtieneTCNumeracion(const QString& TC) {
  const QString compartido = rt::Trim(core::Cfg("NUM_" + rt::Trim(TC)));
  return compartido.isEmpty() ? TC : compartido;
}

void Obtener_Nro_Comprobante_Contable(const QString& TC, QString& Sucursal, QString& Numero, QString& Letra,
                                      bool& ModificaNumeracion, const QString& Fecha, const QString& UNegocio,
                                      QString& Hasta) {
  suite::Utilidades& util = suite::gUtilidades();
  const QString codigo = util.RellenaCodigo(rt::Trim(TC), 4);
  const bool conUnidad = !rt::Trim(UNegocio).isEmpty();
  rt::StepRunner pasos = Trampa(QStringLiteral("Obtener_Nro_Comprobante_Contable"));
  ado::Recordset rs;
  QString filtro;

  if (rt::Trim(Letra).isEmpty()) Letra = QStringLiteral("X");
  if (!pasos.run([&] {
        const QString sucursal = rt::Trim(Sucursal);
        if (sucursal.size() <= 1 || !sucursal.startsWith(u'*')) return;
        Sucursal = sucursal.mid(1);
        filtro = sentencia::FiltroSucursal(Sucursal);
        gDB().AbrirRecordset(sentencia::TalonariosDeSucursal(codigo, filtro), rs);
        if (rs.BOF()) filtro.clear();
      }))
    return;
  if (!pasos.run([&] {
        gDB().AbrirRecordset(conUnidad ? sentencia::TalonariosDeUnidad(codigo, util.RellenaCodigo(UNegocio, 4), filtro)
                                       : sentencia::Talonarios(codigo, filtro),
                             rs);
      }))
    return;
  if (!pasos.run([&] {
        if (rs.BOF() && conUnidad) gDB().AbrirRecordset(sentencia::TalonariosSinFiltro(codigo), rs);
      }))
    return;
  bool sinTalonarios = false;
  if (!pasos.run([&] { sinTalonarios = rs.BOF(); })) return;
  if (sinTalonarios) {
    Sucursal = Numero = QStringLiteral("1");
    Letra = QStringLiteral("X");
    gDB().CierraRecordset(rs);
    return;
  }

  bool todosUsados = false;
  for (;;) {
    bool fin = true;
    if (!pasos.run([&] { fin = rs.EOF(); }) || fin) break;
    Talonario talonario = Talonario::NoSirve;
    pasos.run([&] { talonario = ExaminaTalonario(rs, Letra, Fecha, Sucursal, Numero, ModificaNumeracion, Hasta); });
    if (talonario == Talonario::Agotado) todosUsados = true;
    if (talonario == Talonario::Elegido) todosUsados = false;
    if (talonario == Talonario::Elegido || !pasos.run([&] { rs.MoveNext(); })) break;
  }
  if (pasos.left()) return;

  Letra = rt::Trim(Letra);
  if (todosUsados)
    ui::MsgBox("Todos los talonarios del comprobante " + TC +
                   " se encuentran utilizados, debe dar de alta un nuevo talonario para el comprobante " + TC,
               ui::mb::OkOnly);
  gDB().CierraRecordset(rs);
}

}  // namespace numbering
