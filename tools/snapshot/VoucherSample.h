#pragma once
// The sample voucher window of tools/vouchers, laid out by the voucher
// class for a sales, a purchase and a stock voucher over the demo rows of a
// database of its own.
#include "ControlsSample.h"

bool captureVoucherSamples(const QString& folder, const Capture& capture);
