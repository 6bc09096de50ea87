// Every window the snapshot tool renders and every window the gallery opens
// over the demo data shows each of its visible controls inside its client
// area and inside the container it lies in, where the operator reaches all
// of it, but for what the windows' own layouts put beyond it (listed below,
// each with why).
#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QWidget>

#include <algorithm>
#include <cstdio>
#include <iterator>

#include "ControlsOutside.h"
#include "EveryWindowShown.h"
#include "support/QtProgram.h"

namespace {

// Window, control, and how many pixels it may reach beyond the client
// area's right edge (and nowhere else).
struct KnownOutside {
  const char* window;
  const char* control;
  int beyondRight;
};
const KnownOutside kKnownOutside[] = {
    // A list lookup lays its button frame as wide as the window with its
    // borders: the frame's right edge lies under the window's border (8
    // pixels for both), the buttons inside it within the client area.
    {"Lib_FrmCons3", "Frame1", 8},
};

bool matches(const KnownOutside& known, const ControlOutside& o) {
  const QRect& r = o.rect;
  const QRect& client = o.bounds;
  return o.window == QLatin1String(known.window) && o.control == QLatin1String(known.control) &&
         o.container.isEmpty() && r.left() >= 0 && r.top() >= 0 && r.y() + r.height() <= client.height() &&
         r.x() + r.width() <= client.width() + known.beyondRight;
}

class ControlsOutsideTest : public testing_support::QtProgram {};

// Sizes an operator drags a list window to: smaller than anything fits,
// narrow, low, larger than the screen.
const QSize kDraggedTo[] = {{40, 40}, {180, 400}, {500, 120}, {1100, 900}};

TEST_F(ControlsOutsideTest, EveryWindowShowsItsControlsInsideIt) {
  std::vector<ControlOutside> outside;
  int windows = 0;
  const auto lookAt = [&](const QString& name, QWidget& window) {
    for (const ControlOutside& o : ControlsOutside(window))
      if (std::find(outside.begin(), outside.end(), o) == outside.end()) {
        outside.push_back(o);
        std::printf("%s: %s\n", qPrintable(name), qPrintable(Describe(o)));
      }
  };
  EXPECT_TRUE(ShowEveryWindowAndTheGallery(*host, [&](const QString& name, QWidget& window) {
    ++windows;
    lookAt(name, window);
    // A list lookup, the option lists among them, is resized at will.
    if (window.objectName() == QLatin1String("Lib_FrmCons3"))
      for (const QSize& size : kDraggedTo) {
        window.resize(size);
        QCoreApplication::processEvents();
        lookAt(QStringLiteral("%1 dragged to %2 x %3").arg(name).arg(size.width()).arg(size.height()), window);
      }
    return true;
  }));

  int unknown = 0;
  std::vector<int> seen(std::size(kKnownOutside));
  for (const ControlOutside& o : outside) {
    const auto k = std::find_if(std::begin(kKnownOutside), std::end(kKnownOutside), [&](const KnownOutside& known) { return matches(known, o); });
    if (k != std::end(kKnownOutside)) ++seen[static_cast<std::size_t>(k - std::begin(kKnownOutside))];
    else ++unknown;
    std::printf("%s %s\n", k != std::end(kKnownOutside) ? "known:" : "OUTSIDE:", qPrintable(Describe(o)));
  }
  std::printf("%d windows looked at, %zu controls outside them, %d of them not known\n", windows, outside.size(),
              unknown);
  EXPECT_GT(windows, 50) << "every window was looked at";
  EXPECT_EQ(unknown, 0);
  for (std::size_t k = 0; k < seen.size(); ++k)
    EXPECT_GT(seen[k], 0) << kKnownOutside[k].window << " " << kKnownOutside[k].control
                          << " no longer lies outside: drop it";
}

}  // namespace
