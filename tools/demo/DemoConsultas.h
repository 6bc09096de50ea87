#pragma once
// What the lookup dialogs of the demo show: restaurant articles with their
// reorder points and stock (one of each stock colour), families, deposits,
// storage positions, cost centres, a chart of accounts with depth, a few
// suppliers, and the configuration keys that turn the stock colours and the
// contains-search on. None of it is anything the import writes or counts.
namespace ado {
class Connection;
}

namespace demo {

void LlenaConsultas(ado::Connection& cn);

}  // namespace demo
