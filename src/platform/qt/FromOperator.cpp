#include "platform/qt/FromOperator.h"

#include <exception>

#include "platform/runtime/Error.h"
#include "platform/ui/Host.h"
#include "platform/ui/MessageBox.h"

namespace qt {

namespace {
void report(const QString& what, const QString& description) {
  ui::MsgBox(what + QStringLiteral(" en tiempo de ejecución:\r\n\r\n") + description,
             ui::mb::Critical | ui::mb::OkOnly, QString());
}
}  // namespace

void fromOperator(const std::function<void()>& reaction) {
  try {
    reaction();
  } catch (const rt::Error& e) {
    report(QStringLiteral("Se ha producido el error '%1'").arg(e.Number()), e.Description());
  } catch (const std::exception& e) {
    report(QStringLiteral("Se ha producido un error"), QString::fromLocal8Bit(e.what()));
  }
}

}  // namespace qt
