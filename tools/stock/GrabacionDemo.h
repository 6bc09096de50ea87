#pragma once
// A stock adjustment of the demo voucher window recorded through the voucher
// class, for the gallery: the articles grid of the sample voucher AJP
// becomes stock rows and their entry. It needs gDB() connected to a
// database holding the demo rows (DemoComprobantes.h, DemoStock.h).
#include <QString>

namespace demo {

// Records a new adjustment (immediate mode, with the status window) and
// tells its rows and entry lines as written, or why it was not recorded.
QString GrabaAjusteDemo();

}  // namespace demo
