#pragma once
// The embedded suite database of the demo: what a first start needs (the
// administrator and the rights of this program, configuration, provinces,
// VAT conditions, postal codes, the adjustment accounts), what the lookup
// dialogs show (DemoConsultas.h), the rows the voucher windows show
// (DemoComprobantes.h), the stored vouchers they load
// (ComprobantesGuardados.h), the stock by lot, serial and position that the
// lot dialogs offer (DemoLots.h), the stored vouchers the voucher search
// lists (DemoBusqueda.h), the rows the stock movements need (DemoStock.h) and
// the statistics database beside it.
#include <QString>

namespace demo {

// The user the demo database knows, administrator of the suite.
inline const QString kUsuario = QStringLiteral("admin");

// Creates `folder`/suite.db and `folder`/VX_ESTADISTICAS.db; raises a
// runtime error when they exist or cannot be made. Returns the suite's path.
QString CreaBaseDemo(const QString& folder);

// The start-up parameter text that opens the demo suite at `suite` as
// kUsuario ("@Server=sqlite;@DbName=...;@Usuario=admin;@Password=;").
QString ParametrosDemo(const QString& suite);

}  // namespace demo
