// The service's error dialog and its log.
#include "data_access/DB_Dll.h"
#include "data_access/ErrorLog.h"
#include "platform/runtime/Text.h"
#include "platform/ui/Host.h"
#include "platform/ui/MessageBox.h"

namespace data_access {

int DB_Dll::TratamientoErrores(const rt::Error& CodErr, std::optional<int> Botones,
                               const std::optional<QString>& Rutina) {
  if (CodErr.Number() == 0) return 0;
  QString routinePart = Rutina ? QStringLiteral(" - ") + *Rutina : QString();
  QString message = QStringLiteral("Ha ocurrido el Siguiente Error (") + rt::Trim(QString::number(CodErr.Number())) +
                    QStringLiteral(") ") + rt::Trim(CodErr.Description());
  QString title = CodErr.Source() + routinePart + QStringLiteral(" Aviso al operador!!! ");
  int answer = ui::MsgBox(message, Botones.value_or(ui::mb::AbortRetryIgnore | ui::mb::Critical), title);
  LogError(gLogErr, routinePart, message, answer);
  return answer;
}

}  // namespace data_access
