#pragma once
// List strings: the lots, serials, positions and quantities of one voucher
// line travel as one text that opens with "|" and closes every item with
// "|" (|A|B|C| holds A, B and C; "" holds nothing). The voucher class
// publishes these seven methods as its own.
//
// Readers trim the text, drop one opening "|" and take the texts before
// each following "|" as the items. Arrays come back with the items at 0 to
// n-1 and one empty element at n, so their last index is the item count.
// A list longer than 32767 characters is outside the format.
#include <QString>
#include <cstdint>
#include <vector>

namespace numbering {

// The distinct items (ignoring case), each after one blank; blank items and
// text after the last "|" are left out; a text without "|" gives "".
QString StrSerieLote(const QString& Serie_Lote);

// The items of a list, untrimmed, as every reader takes them; text after the
// last "|" is no item.
std::vector<QString> ItemsDeLista(const QString& lista);

// What an item stands for: trimmed, and "-" (how a blank grid cell is
// written, so that parallel lists keep their length) is the empty text.
QString ValorDeItem(const QString& item);

// The 1-based position of the first item that, trimmed, equals the trimmed
// `QueSerieLote` (ignoring case); 0 when none does. Text after the last "|"
// is no item.
int32_t Busca_Lotes_Series(const QString& PipeSeriesLotes, const QString& QueSerieLote);

// The items, trimmed, into `arreglo`; a text without "|" is one item. Text
// after the last "|" is reported once and the items before it are kept.
void DescomponeSerieLote(const QString& Serie_Lote, std::vector<QString>& arreglo);

// A position list (position "*" quantity per item) into positions and
// quantities (texts), and the parallel lot list into lots. A text without
// "|" holds no positions; an item without "*" is reported.
void DescomponePosicionCantidadLote(const QString& Posicion_Lote, const QString& PIPELotes,
                                    std::vector<QString>& ArrPosiciones, std::vector<QString>& ArrCantidades,
                                    std::vector<QString>& ArrLote);

// The serial items when there are serials, else the lot items; unless
// SinConsolidar, the distinct non-blank serial-lot pairs (ignoring case).
int32_t Cuenta_Series_Lotes(const QString& PipeSeries, const QString& PIPELotes, bool SinConsolidar = false);

// The item at a 1-based position, untrimmed; "" when there is none. A text
// without "|" is one item.
QString ExtraeSerieLote(const QString& Serie_Lote, int16_t QuePosicion);

// The number of items.
int32_t Cantidad_Series_Lotes(const QString& Pipes);

// Every lot becomes a lot-serial pair with an empty serial: Chr(255) is put
// after each item (|A|B| gives |A ÿ|B ÿ| without the blanks); "" gives "|".
QString InsertaCHR255(const QString& iPipe);

}  // namespace numbering
