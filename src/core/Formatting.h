#pragma once
// Truth values, the date and time masks, amounts and times as the program
// writes them.
#include <QString>
#include <cstdint>

#include "platform/runtime/Variant.h"

namespace core {

// Without regard to case, untrimmed. Default true: false only for "FALSE",
// "FALSO", "0", "NO", "N". Default false: true only for "TRUE", "VERDADERO",
// "1", "SI", "S".
bool ValorLogico(const QString& Texto, bool PorDefecto = true);

QString FormatoFechaHora();  // "dd/mm/yy hh:mm"
QString FormatoFecha();      // "dd/mm/yy"
QString FormatoHora();       // "hh:mm"

// The amount text with `Decimales` places: -3 the text unchanged, -1 the
// configured places (gCantidadDecimales), 0 the regional currency digits,
// -2 none. Halves round to even. Errors go to the library's error dialog
// (4 retry, 5 go on, other: "").
QString FmtMoneda(const QString& Importe, const rt::Variant& Decimales);

// Minutes of a time text ("1:30", "2", a date-time), or of the hours and
// minutes texts when the time text is blank. `SoloTexto` non-zero splits
// the time text at ":" without reading it as a time.
double HorasAMinutos(const QString& Tiempo, const QString& Horas, const QString& Minutos, int SoloTexto);

// Minutes as "hh" + separator + "mm" with the configured SeparadorHora (":"
// when blank), filling `Horas` and `Resto`; with the separator "." the
// hours as a decimal number (".50" for 30), outputs untouched.
QString MinutosAHoras(const rt::Variant& Minutos, int32_t& Horas, int32_t& Resto);

}  // namespace core
