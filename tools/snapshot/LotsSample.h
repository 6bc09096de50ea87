#pragma once
// The lot dialogs asked for by the voucher class over the demo stock of a
// database of its own: the serial and lot dialog in entry and choice mode,
// the position and lot dialog by position and lot and by position alone.
#include "Capture.h"

bool captureLotSamples(const Capture& capture);
