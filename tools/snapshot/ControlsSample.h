#pragma once
// A sample window with one of each bar, the tab row, the scroll bar and a
// grid with the floating edit box open on its current cell, so a person
// sees how they render.
#include <QString>
#include <functional>

// `capture` shows the window modally through the function it is given,
// saves it as <folder>/<name>.png and tells whether it was saved.
using Capture = std::function<bool(const QString& folder, const QString& name, const std::function<void()>& show)>;

bool captureControlsSample(const QString& folder, const Capture& capture);
