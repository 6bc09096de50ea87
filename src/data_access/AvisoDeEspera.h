#pragma once
// How the database service shows a wait for another program's lock on the
// embedded database (platform/ado/LockWaitNotice.h): from its first step the
// windows stay painted; after half a second a notice says that another
// program is writing to the database and how long this one has waited, with
// a button that ends the wait (ui/Waits.h). Start-up asks how many waits the
// operator ended, to end the program when he ended one of its own.
namespace data_access {

// Hands the notice to the providers; gDB() does it once.
void InstalaAvisoDeEspera();

// How many waits the operator has ended since the program started.
long EsperasTerminadas();

}  // namespace data_access
