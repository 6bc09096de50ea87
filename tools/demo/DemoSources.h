#pragma once
// The restaurant system's export of the demo: TXCLI.DBF with its customers
// and TXFAC.DBF with a year of their vouchers, in code page 1252.
#include <QString>

namespace demo {

// Writes both tables into `folder` (made when missing).
void EscribeTablasTavernix(const QString& folder);

}  // namespace demo
