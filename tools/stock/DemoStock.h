#pragma once
// The demo rows of the stock movements: the book and the journal of stock
// adjustments,
// the stock motive of the default with its counter account, the stock
// accounts and costs of the demo articles, and the configuration that turns
// the accounting entries of stock on. Each row goes in only when missing,
// so other demo rows and the import's are left as they are.
namespace ado {
class Connection;
}

namespace demo {

void LlenaStock(ado::Connection& cn);

}  // namespace demo
