#pragma once
// How the windows reach whoever looks at them (the snapshot tool saves
// them, a test looks for cut texts): a source shows each window modally
// through `capture`, which hands it, once on screen, to the look with the
// window's name, then closes it through its close box.
#include <QString>
#include <functional>

class QWidget;

// False when the look failed.
using Look = std::function<bool(const QString& name, QWidget& window)>;
// Shows a window through `show`; false when it did not come up or the look failed.
using Capture = std::function<bool(const QString& name, const std::function<void()>& show)>;

Capture CaptureFor(const Look& look);
