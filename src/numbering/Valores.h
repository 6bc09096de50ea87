#pragma once
// What the numbering and stock routines share: their error trap, values read
// from rows, and texts put between apostrophes in statements.
#include <QDate>
#include <QString>

#include "platform/runtime/StepRunner.h"
#include "platform/runtime/Variant.h"

namespace numbering {

// The trap of a routine: a failing step goes to the service's error dialog
// under the routine's name (4 retry, 5 next step, other leave).
rt::StepRunner Trampa(const QString& rutina);

// An error of the program's own, for input that the routines refuse.
rt::Error ErrorPrograma(long numero, const QString& descripcion);

// A field as text, Null as "" (the library's Null-safe reading).
QString TextoCampo(const rt::Variant& valor);

// The leading number of a field or text (Null and blank read as 0).
double NumeroInicial(const rt::Variant& valor);

// A number field as a Double: numbers as they are, a text read with either
// decimal separator, Null and blank as 0.
double DobleDe(const rt::Variant& valor);

// A number with a mask ("0000"); a blank text stays blank, as the runtime's
// Format leaves it.
QString Formato(const rt::Variant& valor, const QString& mascara);

// The day of a date field or date text; a text that is no date raises 13.
QDate DiaDe(const rt::Variant& valor);

// A text to stand between apostrophes in a statement: its own apostrophes
// doubled.
QString Lit(const QString& texto);

}  // namespace numbering
