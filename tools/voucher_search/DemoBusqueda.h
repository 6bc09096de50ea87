#pragma once
// The stored vouchers the voucher search lists in the demo, of the types the
// import never writes (delivery notes pending and delivered, orders with
// and without their preparation date, budgets, work orders, purchase
// invoices, purchase orders, one with its receipt and one with a
// guarantee, vouchers handed to third parties) and invoices, credit and
// debit notes of a point of sale the restaurant system never exports
// (0010), so that every picture and state shows. Each row goes in only when missing; the import's rows
// and counts stay as they are.
namespace ado {
class Connection;
}

namespace demo {

void LlenaComprobantesBusqueda(ado::Connection& cn);

}  // namespace demo
