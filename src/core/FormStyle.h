#pragma once
// The suite's common look of a window: its icon and the library's aspect.
namespace ui {
class Form;
}

namespace core {

// Gives the form the program's icon (the picture file "veltrix.ico" of the
// program folder when the built-in one is missing) and, unless it is the
// main MDI window, the suite library's look; then lets pending events run.
// Never fails.
void AplicaEstiloFormulario(ui::Form& Formulario);

}  // namespace core
