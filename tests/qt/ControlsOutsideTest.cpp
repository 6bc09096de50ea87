// Every window the snapshot tool renders and every window the gallery opens
// over the demo data shows each of its visible controls inside its client
// area, where the operator reaches all of it, but for what the windows'
// own layouts put beyond it (listed below, each with why).
#include <gtest/gtest.h>

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
  return o.window == QLatin1String(known.window) && o.control == QLatin1String(known.control) && r.left() >= 0 &&
         r.top() >= 0 && r.y() + r.height() <= o.client.height() &&
         r.x() + r.width() <= o.client.width() + known.beyondRight;
}

class ControlsOutsideTest : public testing_support::QtProgram {};

TEST_F(ControlsOutsideTest, EveryWindowShowsItsControlsInsideIt) {
  std::vector<ControlOutside> outside;
  int windows = 0;
  EXPECT_TRUE(ShowEveryWindowAndTheGallery(*host, [&](const QString&, QWidget& window) {
    ++windows;
    for (const ControlOutside& o : ControlsOutside(window))
      if (std::find(outside.begin(), outside.end(), o) == outside.end()) outside.push_back(o);
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
