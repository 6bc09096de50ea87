#include "data_access/AvisoDeEspera.h"

#include "platform/ado/LockWaitNotice.h"
#include "platform/ui/Waits.h"

namespace data_access {

namespace {

// A wait shorter than this goes unnoticed: another program's commit.
constexpr long long kAvisoTrasMs = 500;

long& terminadas() {
  static long n = 0;
  return n;
}

QString aviso(long long esperadoMs, long long limiteMs) {
  const auto enSegundos = [](long long ms) { return QString::number((ms + 500) / 1000); };
  const QString segundos =
      limiteMs > 0 ? enSegundos(esperadoMs) + QStringLiteral(" de ") + enSegundos(limiteMs) : enSegundos(esperadoMs);
  return QStringLiteral("Otro programa está grabando en la base de datos: este programa espera a que termine para "
                        "seguir.\r\n\r\nEsperando: %1 segundos.")
      .arg(segundos);
}

}  // namespace

void InstalaAvisoDeEspera() {
  ado::SetLockWaitNotice({[](long long esperadoMs, long long limiteMs) {
                            const bool terminada = ui::WaitStep(
                                esperadoMs < kAvisoTrasMs ? QString() : aviso(esperadoMs, limiteMs),
                                QStringLiteral("Dejar de esperar"));
                            if (terminada) ++terminadas();
                            return !terminada;
                          },
                          [] { ui::WaitOver(); }});
}

long EsperasTerminadas() { return terminadas(); }

}  // namespace data_access
