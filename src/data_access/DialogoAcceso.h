#pragma once
// The database login dialog as the service sees it: the core, which owns the
// window, hands the service a function at start-up that shows it. The service
// passes the connection data in and reads back what the operator accepted.
// The function is kept across ResetDataAccess(); with none handed, the
// service takes the dialog as cancelled.
#include <QString>
#include <functional>

namespace data_access {

struct DatosAcceso {
  QString BaseDatos;
  QString Servidor;
  QString Usuario;
  QString Clave;
  int Plataforma = 0;  // 0 SQL Server; any other: Oracle
};

// True when the operator accepted; the data then holds what was entered.
using DialogoAcceso = std::function<bool(DatosAcceso&)>;

void EstableceDialogoAcceso(DialogoAcceso dialogo);

}  // namespace data_access
