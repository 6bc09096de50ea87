#pragma once
// The program-wide state of the data-access layer: the shared database
// service and the confidentiality setting its synonym rewrite reads. A test
// starts afresh with ResetDataAccess().
#include "data_access/DB_Dll.h"

namespace data_access {

// The shared service, created on first use and kept. From then on what the
// providers report for the log alone (ado/ProviderLog.h) is written to its
// error log.
DB_Dll& gDB();

// Confidentiality setting (configuration key SS_CONFIDENCIALIDAD, loaded at
// start-up): with it off, statements on MV_ASIENTOS read the plain tables.
bool& gConfidencialidad();

void ResetDataAccess();

}  // namespace data_access
