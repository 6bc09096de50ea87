#pragma once
// The statements of the voucher search (FrmConsComprobantes), blank for
// blank as the suite writes them: one per voucher type, pending or not,
// narrowed by the operator's name or number and the caller's condition.
// Voucher codes and keys are compared without regard to case. Texts the
// operator types and numbers read from rows go between apostrophes with
// their own apostrophes doubled; "%" and "_" stay wildcards. The caller's
// condition is SQL and goes in as it is.
#include <QString>

namespace lookup::busqueda {

// What a voucher type key selects: "RM/PENDIENTES" the pending delivery
// notes "RM", "RM/PENDIENTES_COMPRAS" the purchase ones "RMC", and so on;
// any other text is a plain code, never pending.
struct Tipo {
  QString TC;
  bool Pendientes = false;
};
Tipo DeClave(const QString& Clave);

// The operator's narrowing: "AND NOMBRE LIKE '%...%' " for a name part,
// then "AND IDCOMPROBANTE LIKE '%...%' " for a number part, each when its
// box holds neither nothing nor its prompt. Both apply when both are typed.
QString Fragmento(const QString& Nombre, const QString& Numero);

// The configuration keys the pending delivery notes depend on.
struct Opciones {
  bool UsaRemitoContado = false;
  bool EntregaParcialRemito = false;
};

// The statement for the plain code of `tipo`. For "OC" and "FP" a leading
// word WHERE is taken out of `Filtro` (the caller's variable keeps the
// shortened text); the condition is joined with " AND " only when it is not
// blank.
QString Sentencia(const Tipo& tipo, QString& Filtro, const QString& busq, const Opciones& opciones);

// The condition of the receipt (IR) of purchase order `IdComprobante`, as
// the lookup on the stock movements takes it.
QString CondicionRecepcion(const QString& IdComprobante);

}  // namespace lookup::busqueda
