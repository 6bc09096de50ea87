#pragma once
// The voucher search window over the demo database: invoices in their
// mixed states, and purchase orders with two of them ticked.
#include "Capture.h"

bool captureVoucherSearchSamples(const Capture& capture);
