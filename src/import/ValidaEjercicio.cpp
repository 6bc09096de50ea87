// The two fiscal years the invoice import sorts its vouchers into.
#include <set>

#include "data_access/DataAccessState.h"
#include "import/ImportSql.h"
#include "import/Importar.h"
#include "platform/ui/Host.h"
#include "platform/ui/MessageBox.h"

namespace importacion {

void Importar::ValidaEjercicio() {
  data_access::DB_Dll& db = data_access::gDB();
  ado::Recordset rs;
  db.AbrirRecordset(sql::LeeEjercicios(), rs);
  // Each period the import writes must exist; rows already there, of these
  // periods or of others, stay as they are.
  std::set<int> presentes;
  if (rs.State() != ado::adStateClosed)
    for (; !rs.EOF(); rs.MoveNext()) {
      const rt::Variant periodo = rs.Fields(QStringLiteral("PERIODO")).Value();
      if (!periodo.isNull()) presentes.insert(periodo.toLong());
    }
  for (int periodo : {0, 1}) {
    if (presentes.count(periodo)) continue;
    db.gCnn.Errors().Clear();
    db.EjecutaConsultaSQL(sql::InsertaEjercicio(periodo));
    if (db.gCnn.Errors().Count() > 0) ui::MsgBox(db.gCnn.Errors()[0].Description, ui::mb::OkOnly);
  }
  db.CierraRecordset(rs);
}

}  // namespace importacion
