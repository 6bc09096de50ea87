#pragma once
#include "platform/ui/Form.h"
#include "platform/ui/Host.h"

namespace ui {

// Left = half the screen width less half the form width; top likewise.
inline void CenterOnScreen(Form& form) {
  const ScreenInfo screen = Screen();
  form.Left = screen.Width / 2 - form.Width() / 2;
  form.Top = screen.Height / 2 - form.Height() / 2;
}

}  // namespace ui
