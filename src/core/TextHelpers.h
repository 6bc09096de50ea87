#pragma once
// Clean texts and texts looked up in arrays.
#include <QString>
#include <vector>

#include "platform/runtime/Variant.h"

namespace core {

// The text without Chr(0), Chr(255) and line feeds, trimmed. Null raises 94.
QString LimpiaTexto(const rt::Variant& Texto);

// First index from `Inicio` (the lower bound when below it) whose element
// equals the text without regard to case; -1 when none.
int BuscaEnVector(const std::vector<QString>& Vector, const QString& Texto, int Inicio);

}  // namespace core
