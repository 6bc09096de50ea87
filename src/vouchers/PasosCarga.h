#pragma once
// The error trap of the voucher loader: every step of the load (a
// statement, a cell, a test of a recordset) runs under one step runner whose
// failures go to the library's error dialog under the loader's name. The
// answer 4 runs the step again, 5 goes on with the next one; any other
// leaves the whole load, which unwinds to where it began (Salida), its
// recordsets released on the way out.
#include <QString>
#include <utility>

#include "platform/runtime/StepRunner.h"

namespace vouchers::carga {

// Thrown when a step's error is answered with leaving the load.
struct Salida {};

class PasosCarga {
 public:
  // The handler answers each failure: by default the library's dialog
  // under `rutina`.
  explicit PasosCarga(const QString& rutina);
  explicit PasosCarga(rt::StepRunner::Handler respuesta) : runner_(std::move(respuesta)) {}

  // True when the step ran to its end; false when it failed and the answer
  // was to go on with the next one.
  template <class Paso>
  bool operator()(Paso&& paso) {
    bool hecho = false;
    if (!runner_.run([&] {
          paso();
          hecho = true;
        }))
      throw Salida{};
    return hecho;
  }

 private:
  rt::StepRunner runner_;
};

}  // namespace vouchers::carga
