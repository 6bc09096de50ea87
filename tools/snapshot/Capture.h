#pragma once
// How a snapshot source hands a window to main's capture: `capture` shows
// the window modally through the function it is given, saves it as
// <folder>/<name>.png and tells whether it was saved.
#include <QString>
#include <functional>

using Capture = std::function<bool(const QString& folder, const QString& name, const std::function<void()>& show)>;
