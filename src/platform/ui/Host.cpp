#include "platform/ui/Host.h"

#include "platform/ui/ScriptedHost.h"

namespace ui {

namespace {
struct UiState {
  Host* current = nullptr;
  ScriptedHost fallback;
};
UiState& state() {
  static UiState s;
  return s;
}
}  // namespace

Host& host() {
  UiState& s = state();
  return s.current ? *s.current : s.fallback;
}

void setHost(Host* h) { state().current = h; }

}  // namespace ui
