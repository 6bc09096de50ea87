#pragma once
// Whether the customer import may run on the database: its table of
// remembered customers, AUX_CLIENTES_IMPORTADOS, must have the form this
// build gives it. An embedded database of an earlier build that start-up
// could not bring to that form is brought to it now; when it still cannot
// be, or a server's table lacks the form, the run does not start.
#include <QString>
#include <optional>

namespace importacion {

// The operator's message when the customer import may not run, naming why
// and what helps; nullopt when it may.
std::optional<QString> ImpideImportarClientes();

}  // namespace importacion
