#pragma once
// The program's reaction to what the operator did on screen (a click, a key,
// typing, the close box) runs here. An error that the program's own traps
// let through must not cross Qt's event loop, which would end the process and
// lose the operator's session: it is shown as the runtime reports an
// untrapped error, and the program goes on.
#include <functional>

namespace qt {

void fromOperator(const std::function<void()>& reaction);

}  // namespace qt
