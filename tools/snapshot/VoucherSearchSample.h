#pragma once
// The voucher search window over the demo's stored vouchers: invoices in
// their mixed states, and purchase orders with two of them ticked.
#include "ControlsSample.h"

bool captureVoucherSearchSamples(const QString& folder, const Capture& capture);
