#pragma once
// The colour of an article row in a lookup list, by the article's stock and
// reorder point.
#include "platform/runtime/Currency.h"
#include "platform/runtime/Variant.h"

namespace lookup {

// Level 1: stock without a reorder point; 2: stock above the reorder point;
// 3: below it; 4: anything else (no stock and no reorder point, a negative
// reorder point, stock exactly at the point).
const rt::Variant& NivelStock(rt::Currency PuntoPedido, rt::Currency Stock, const rt::Variant& Nivel1,
                              const rt::Variant& Nivel2, const rt::Variant& Nivel3, const rt::Variant& Nivel4);

}  // namespace lookup
