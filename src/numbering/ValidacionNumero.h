#pragma once
// The check of a voucher number against its voucher book.
#include <QString>
#include <cstdint>
#include <optional>

namespace numbering {

// Checks the letter (one of A, B, C, E, R, X, M; blank becomes "X"), looks
// for the book of the type and branch whose range holds the number (the
// last such book; else a book that takes any number, external or without
// range) and makes it TalonarioActual, then checks the number against
// TalonarioActual's range and, when `Fecha` is given, its expiry. An
// external type takes any number. False with the operator's message in
// `Mensaje` (range messages are added to what it held); True leaves it "".
// Errors reach the caller.
bool ValidaNumeroComprobante(const QString& TC, const QString& Sucursal, const QString& Numero, QString& Letra,
                             QString& Mensaje, const QString& Fecha);

// The same check; `Reconocido` tells the book this check found for the
// number, none when it found none (then TalonarioActual is an earlier one).
bool ValidaNumeroComprobante(const QString& TC, const QString& Sucursal, const QString& Numero, QString& Letra,
                             QString& Mensaje, const QString& Fecha, std::optional<int16_t>& Reconocido);

}  // namespace numbering
