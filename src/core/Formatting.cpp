#include "core/Formatting.h"

#include "core/Configuration.h"
#include "core/CoreState.h"
#include "platform/runtime/Dates.h"
#include "platform/runtime/Numbers.h"
#include "platform/runtime/Regional.h"
#include "platform/runtime/StepRunner.h"
#include "platform/runtime/Text.h"
#include "platform/suite/Library.h"

namespace core {

namespace {

// Hours and minutes of "h:m" (minutes 0 without ":"), each its leading number.
double splitMinutes(const QString& tiempo) {
  const int dosPuntos = rt::InStr(tiempo, QStringLiteral(":"));
  if (dosPuntos == 0) return rt::Val(tiempo) * 60;
  return rt::Val(rt::Left(tiempo, dosPuntos - 1)) * 60 + rt::Val(rt::Mid(tiempo, dosPuntos + 1));
}

}  // namespace

bool ValorLogico(const QString& Texto, bool PorDefecto) {
  if (PorDefecto) return !rt::OneOfText(Texto, {"FALSE", "FALSO", "0", "NO", "N"});
  return rt::OneOfText(Texto, {"TRUE", "VERDADERO", "1", "SI", "S"});
}

QString FormatoFechaHora() { return QStringLiteral("dd/mm/yy hh:mm"); }
QString FormatoFecha() { return QStringLiteral("dd/mm/yy"); }
QString FormatoHora() { return QStringLiteral("hh:mm"); }

QString FmtMoneda(const QString& Importe, const rt::Variant& Decimales) {
  rt::StepRunner steps(
      [](const rt::Error& e) { return suite::gUtilidades().DialogoError(e, QStringLiteral("FmtMoneda")); });
  double pedidos = 0;
  if (!steps.run([&] { pedidos = Decimales.toDouble(); })) return QString();
  if (pedidos == -3) return Importe;
  int n = 0;
  if (!steps.run([&] { n = pedidos == -1 ? rt::CLng(rt::Val(gCore().gCantidadDecimales)) : rt::CLng(pedidos); }))
    return QString();
  if (n == 0) n = rt::regional().currencyDigits;
  if (n == -2) n = 0;
  QString mascara;
  if (!steps.run([&] {
        if (n < 0) rt::raise(rt::err::InvalidCall);
        mascara = QStringLiteral("############0.") + QString(n, u'0');
      }))
    return QString();
  QString resultado;
  if (!steps.run([&] {
        rt::Currency importe = suite::gUtilidades().TextoANumero(Importe);
        if (n < 4) importe = importe.rounded(n);
        resultado = rt::FormatNumber(importe, mascara);
      }))
    return QString();
  if (n == 0 && (resultado.endsWith(u'.') || resultado.endsWith(u','))) resultado.chop(1);
  return resultado;
}

double HorasAMinutos(const QString& Tiempo, const QString& Horas, const QString& Minutos, int SoloTexto) {
  if (SoloTexto != 0) return splitMinutes(Tiempo);
  if (const auto momento = rt::ParseDate(Tiempo)) return momento->time().hour() * 60 + momento->time().minute();
  if (rt::Trim(Tiempo).isEmpty()) {
    const double horas = rt::Val(Horas), minutos = rt::Val(Minutos);
    if (horas <= 0 && minutos <= 0) return 0;
    return horas * 60 + minutos;
  }
  return splitMinutes(Tiempo);
}

QString MinutosAHoras(const rt::Variant& Minutos, int32_t& Horas, int32_t& Resto) {
  QString separador = Cfg(QStringLiteral("SeparadorHora"));
  if (rt::Trim(separador).isEmpty()) separador = QStringLiteral(":");
  if (separador == QStringLiteral(".")) {
    const QString horas = rt::FormatNumber(Minutos.toDouble() / 60, QStringLiteral("#####.00"));
    return suite::gUtilidades().Reemplaza(horas, QStringLiteral(","), QStringLiteral("."));
  }
  const int32_t total = rt::CLng(Minutos.toDouble());
  Horas = total / 60;
  Resto = total % 60;
  return rt::FormatNumber(static_cast<double>(Horas), QStringLiteral("#####00")) + separador +
         rt::FormatNumber(static_cast<double>(Resto), QStringLiteral("#####00"));
}

}  // namespace core
