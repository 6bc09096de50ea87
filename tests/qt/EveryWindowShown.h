#pragma once
// Every window the snapshot tool renders and every window the gallery opens
// over the demo data (and the gallery itself), shown offscreen through the
// Qt host and each handed to `look`, for the checks that hold for all of
// them.
#include "Capture.h"

namespace qt {
class QtHost;
}

// False when a window did not come up, a look failed or the demo data did
// not start.
bool ShowEveryWindowAndTheGallery(qt::QtHost& host, const Look& look);
