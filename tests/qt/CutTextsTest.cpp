// Every window the snapshot tool renders and every window the gallery opens
// over the demo data, shown offscreen on the platform's screen of 800 x 800
// pixels at 96 dots per inch, shows its texts whole, but for the cuts the
// windows' own layouts make (listed below, each with why).
#include <gtest/gtest.h>

#include <QGuiApplication>
#include <QRegularExpression>
#include <QScreen>

#include "CutTexts.h"
#include "EveryWindowShown.h"
#include "support/QtProgram.h"

namespace {

// Cuts the windows make themselves: window, control, the texts (a pattern).
struct KnownCut {
  const char* window;
  const char* control;
  const char* texts;
};
const KnownCut kKnownCuts[] = {
    // A list lookup's header is the field's name, its width the field's size:
    // a number takes 12 X, a whole-number expression 4, a code of four
    // characters 4; the header is bold besides.
    {"Lib_FrmCons3", "ListView1 header", "PUNTOPEDIDO|Cantidad|IdDeposito"},
    // A purchase order's supplier is its account, a blank and its name, in a
    // column of 13 X; its comments are free text in 15 X.
    {"FrmConsComprobantes", "ListView1", "2110100\\d\\d .+|Entrega en depósito central"},
};

bool matches(const KnownCut& known, const CutText& cut) {
  return cut.window == QLatin1String(known.window) && cut.control == QLatin1String(known.control) &&
         QRegularExpression(QStringLiteral("^(?:%1)$").arg(QString::fromUtf8(known.texts))).match(cut.text).hasMatch();
}

class CutTextsTest : public testing_support::QtProgram {
 protected:
  Look collect() {
    return [this](const QString&, QWidget& window) {
      for (const CutText& cut : CutTexts(window))
        if (std::find(cuts.begin(), cuts.end(), cut) == cuts.end()) cuts.push_back(cut);
      return true;
    };
  }

  std::vector<CutText> cuts;
};

TEST_F(CutTextsTest, EveryWindowShowsItsTextsWhole) {
  const QScreen& screen = *QGuiApplication::primaryScreen();
  ASSERT_EQ(screen.geometry(), QRect(0, 0, 800, 800));
  ASSERT_EQ(screen.logicalDotsPerInchX(), 96);

  EXPECT_TRUE(ShowEveryWindowAndTheGallery(*host, collect()));

  int unknown = 0;
  std::vector<int> seen(std::size(kKnownCuts));
  for (const CutText& cut : cuts) {
    const auto k = std::find_if(std::begin(kKnownCuts), std::end(kKnownCuts), [&](const KnownCut& known) {
      return matches(known, cut);
    });
    if (k != std::end(kKnownCuts)) ++seen[static_cast<std::size_t>(k - std::begin(kKnownCuts))];
    else ++unknown;
    std::printf("%s %s\n", k != std::end(kKnownCuts) ? "known cut:" : "CUT:", qPrintable(Describe(cut)));
  }
  std::printf("%zu cut texts, %d of them not known\n", cuts.size(), unknown);
  EXPECT_EQ(unknown, 0);
  for (std::size_t k = 0; k < seen.size(); ++k)
    EXPECT_GT(seen[k], 0) << "the known cut " << kKnownCuts[k].texts << " no longer happens: drop it";
}

}  // namespace
