#pragma once
// The demo's articles handled by lots, serial numbers, sizes and storage
// positions, with their stock in deposit 1, for the lot dialogs to offer.
namespace ado {
class Connection;
}

namespace demo {

// Codes of the demo's articles, as the gallery and the snapshots ask for them.
namespace articulo {
inline constexpr const char* Lotes = "VINO-MALBEC-750";
inline constexpr const char* Series = "TALADRO-PERC-650";
inline constexpr const char* LotesYSeries = "NOTEBOOK-14";
inline constexpr const char* Talles = "REMERA-ALGODON";
inline constexpr const char* Posiciones = "ACEITE-GIRASOL-900";
}  // namespace articulo

// The deposit that holds the demo stock, as stock rows write it.
inline constexpr const char* kDepositoLotes = "   1";

void LlenaLotesYPosiciones(ado::Connection& cn);

}  // namespace demo
