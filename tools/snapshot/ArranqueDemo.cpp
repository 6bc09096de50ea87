#include "ArranqueDemo.h"

#include <cstdio>

#include "DemoDatabase.h"
#include "core/Startup.h"
#include "platform/runtime/Environment.h"
#include "platform/runtime/Error.h"
#include "platform/runtime/ProgramEnd.h"

bool ArrancaDemo(const QString& folder) {
  try {
    const QString base = demo::CreaBaseDemo(folder);
    rt::SetProgramFolder(folder);
    rt::SetProgramEnd([] {});
    QString conexion;
    core::IniciaSistema(false, demo::ParametrosDemo(base), conexion, 3);
    rt::SetProgramEnd(nullptr);
    return true;
  } catch (const rt::Error& e) {
    std::fprintf(stderr, "snapshot: %s\n", qPrintable(e.Description()));
  } catch (const rt::ProgramEnded&) {
    std::fprintf(stderr, "snapshot: the demo database did not start\n");
  }
  rt::SetProgramEnd(nullptr);
  return false;
}
