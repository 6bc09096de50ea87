#pragma once
// Every window of the program and of the shared modules, shown through the
// Qt host as the program shows it, each handed to `look` once on screen:
// the start-up windows, the import window in the middle of a run, the
// sample windows of the controls, the lookups, vouchers, voucher searches
// and lot dialogs, and the status window. `host` must be the host in force.
#include "Capture.h"

namespace qt {
class QtHost;
}

// False when a window did not come up or a look failed.
bool ShowEveryWindow(qt::QtHost& host, const Look& look);
