#include "platform/ui/Host.h"

#include "platform/ui/ScriptedHost.h"

namespace ui {

namespace {
struct UiState {
  Host* current = nullptr;
  ScriptedHost fallback;
};
// Kept to the very end: forms held by program-wide state may be released
// while static objects are being destroyed.
UiState& state() {
  static auto* s = new UiState;
  return *s;
}
}  // namespace

Host& host() {
  UiState& s = state();
  return s.current ? *s.current : s.fallback;
}

void setHost(Host* h) { state().current = h; }

}  // namespace ui
