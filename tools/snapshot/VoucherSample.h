#pragma once
// The sample voucher window of tools/vouchers, laid out by the voucher
// class for a sales, a purchase and a stock voucher over the demo rows of a
// database of its own, and with a stored sales invoice loaded.
#include "Capture.h"

bool captureVoucherSamples(const Capture& capture);
