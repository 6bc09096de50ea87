#pragma once
// Message-box button and icon codes and the answers, as the program's
// routines pass and compare them.
namespace ui::mb {

// Button sets (low bits).
constexpr int OkOnly = 0, OkCancel = 1, AbortRetryIgnore = 2, YesNoCancel = 3, YesNo = 4, RetryCancel = 5;
// Icons.
constexpr int Critical = 16, Question = 32, Exclamation = 48, Information = 64;
// Default button.
constexpr int DefaultButton1 = 0, DefaultButton2 = 256, DefaultButton3 = 512;

// Answers.
constexpr int Ok = 1, Cancel = 2, Abort = 3, Retry = 4, Ignore = 5, Yes = 6, No = 7;

constexpr int buttonSet(int flags) { return flags & 7; }
constexpr int icon(int flags) { return flags & 0x70; }
constexpr int defaultButton(int flags) { return (flags & 0x300) >> 8; }  // 0-based

// The answer that leaves a routine for each button set: what a box closed
// without a choice gives.
constexpr int leavingAnswer(int flags) {
  switch (buttonSet(flags)) {
    case OkOnly: return Ok;
    case AbortRetryIgnore: return Abort;
    case YesNo: return No;
    default: return Cancel;
  }
}

}  // namespace ui::mb
