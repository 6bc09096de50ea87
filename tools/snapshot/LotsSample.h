#pragma once
// The serial and lot dialog in entry and choice mode, asked for by the voucher
// class over the demo stock of a database of its own.
#include "ControlsSample.h"

bool captureLotSamples(const QString& folder, const Capture& capture);
