#include "numbering/ValidacionNumero.h"

#include "core/Formatting.h"
#include "data_access/DataAccessState.h"
#include "numbering/Letras.h"
#include "numbering/NumberingState.h"
#include "numbering/SentenciasNumeracion.h"
#include "numbering/Talonarios.h"
#include "numbering/Valores.h"
#include "platform/runtime/Numbers.h"
#include "platform/runtime/Text.h"
#include "platform/suite/Library.h"

namespace numbering {

using data_access::gDB;

namespace {

const QString CR = QStringLiteral("\r");

bool EsExterno(ado::Recordset& libro) {
  const rt::Variant externo = libro["Externo"].Value();
  return !externo.isNull() && core::ValorLogico(TextoCampo(externo), true);
}

bool EnRango(ado::Recordset& libro, const QString& Letra, double numero) {
  const rt::Variant desde = libro[Columna(Letra, "_NRO_DESDE")].Value();
  const rt::Variant hasta = libro[Columna(Letra, "_NRO_HASTA")].Value();
  return !desde.isNull() && !hasta.isNull() && NumeroInicial(desde) <= numero && numero <= NumeroInicial(hasta);
}

int16_t NumeroDeTalonario(ado::Recordset& libro) { return rt::CInt(NumeroInicial(libro["TALONARIO"].Value())); }

bool EsTipoExterno(const QString& TC) {
  const QString externo =
      TextoCampo(gDB().DatosTabla(QStringLiteral("V_TA_CPTE"), TC, QStringLiteral("EXTERNO"), QStringLiteral("CODIGO")));
  return !externo.isEmpty() && core::ValorLogico(externo, true);
}

}  // namespace

bool ValidaNumeroComprobante(const QString& TC, const QString& Sucursal, const QString& Numero, QString& Letra,
                             QString& Mensaje, const QString& Fecha) {
  std::optional<int16_t> reconocido;
  return ValidaNumeroComprobante(TC, Sucursal, Numero, Letra, Mensaje, Fecha, reconocido);
}

bool ValidaNumeroComprobante(const QString& TC, const QString& Sucursal, const QString& Numero, QString& Letra,
                             QString& Mensaje, const QString& Fecha, std::optional<int16_t>& Reconocido) {
  // Each walk starts with no book recognised.
  Reconocido.reset();
  const double numero = rt::Val(Numero);
  const bool positivo = numero > 0;

  if (!rt::Trim(Letra).isEmpty() && !EsLetraComprobante(Letra)) {
    Mensaje = " La letra Informada no es Valida, la misma debe ser " + kLetrasComprobante;
    return false;
  }
  Letra = LetraONinguna(Letra);
  if (EsTipoExterno(TC)) {
    Mensaje.clear();
    return true;
  }

  suite::Utilidades& util = suite::gUtilidades();
  const QString codigo = util.RellenaCodigo(rt::Trim(TC), 4);
  ado::Recordset libros;
  gDB().AbrirRecordset(
      sentencia::TalonariosDeLaLetra(codigo, Letra, util.TextoANumero(Sucursal).toSqlText()), libros);
  bool externo = false;
  std::optional<int16_t> cualquierNumero;
  for (; !libros.EOF(); libros.MoveNext()) {
    externo = EsExterno(libros);
    if (externo || EsTalonarioSinRango(libros, Letra)) {
      cualquierNumero = NumeroDeTalonario(libros);
      break;
    }
    if (EnRango(libros, Letra, numero)) Reconocido = NumeroDeTalonario(libros);
  }
  gDB().CierraRecordset(libros);
  if (!Reconocido) Reconocido = cualquierNumero;
  int16_t& talonario = gNumeracion().TalonarioActual;
  if (Reconocido) talonario = *Reconocido;

  ado::Recordset libro;
  gDB().AbrirRecordset(sentencia::TalonarioVerificado(codigo, talonario), libro);
  if (libro.BOF()) {
    Mensaje = QStringLiteral("Debe configurar la numeracióN de Comprobantes");
    gDB().CierraRecordset(libro);
    return false;
  }
  const QString control = QString::number(talonario);
  bool valido = true;
  if (!externo && !EsTalonarioSinRango(libro, Letra)) {
    valido = positivo;
    const rt::Variant vence = libro[ColumnaVence(Letra)].Value();
    if (!rt::Trim(Fecha).isEmpty() && !rt::Trim(TextoCampo(vence)).isEmpty() && DiaDe(vence) < DiaDe(Fecha)) {
      Mensaje = "El rango de numeracion del comprobante " + TC + " Control nro: " + control +
                " se encuenta vencida...! Debe dar de alta un nuevo talonario para el comprobante " + TC;
      valido = false;
    }
    const rt::Variant desde = libro[Columna(Letra, "_NRO_DESDE")].Value();
    const rt::Variant hasta = libro[Columna(Letra, "_NRO_HASTA")].Value();
    if (valido && !desde.isNull() && numero < NumeroInicial(desde)) {
      Mensaje += CR + "El Número de comprobante (" + rt::NumberText(numero) +
                 ") no respeta el parametro NRO DESDE del comprobante (" + TextoCampo(desde) +
                 ") , Nro de Control: " + control;
      valido = false;
    }
    if (valido && !hasta.isNull() && numero > NumeroInicial(hasta)) {
      Mensaje += CR + "El Número de comprobante (" + rt::NumberText(numero) +
                 ") no respeta el parametro NRO HASTA del comprobante (" + TextoCampo(hasta) +
                 ") , Nro de Control: " + control;
      valido = false;
    }
    Mensaje += CR + CR + "Verifique los datos desde la TABLA DE COMPROBANTES y vuelta a Intentarlo";
  }
  gDB().CierraRecordset(libro);
  if (valido) Mensaje.clear();
  return valido;
}

}  // namespace numbering
