#pragma once
// ADO data-type codes as the service receives them: held in a variant and
// compared with whole numbers, so the text "7" counts as 7.
#include <initializer_list>

#include "platform/runtime/Variant.h"

namespace data_access {

// True when `tipo` stands for one of `codes`.
bool EsTipoAdo(const rt::Variant& tipo, std::initializer_list<int> codes);

}  // namespace data_access
