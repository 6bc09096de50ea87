// Every window the snapshot tool renders and every window the gallery opens
// over the demo data, shown offscreen on the platform's screen of 800 x 800
// pixels at 96 dots per inch, shows its texts whole, but for the cuts the
// windows' own layouts make (listed below, each with why).
#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QRegularExpression>
#include <QScreen>
#include <QTemporaryDir>
#include <optional>

#include "ArranqueDemo.h"
#include "CutTexts.h"
#include "EveryWindow.h"
#include "Galeria.h"
#include "core/CoreState.h"
#include "platform/qt/QtHost.h"
#include "platform/runtime/Environment.h"
#include "support/QtApplication.h"

namespace {

// Cuts the windows make themselves: window, control, a pattern of the text.
struct KnownCut {
  const char* window;
  const char* control;
  const char* text;
};
const KnownCut kKnownCuts[] = {
    {"", "", "$^"},  // none yet
};

bool known(const CutText& cut) {
  for (const KnownCut& k : kKnownCuts)
    if (cut.window == QLatin1String(k.window) && cut.control == QLatin1String(k.control) &&
        QRegularExpression(QStringLiteral("^(?:%1)$").arg(QString::fromUtf8(k.text))).match(cut.text).hasMatch())
      return true;
  return false;
}

class CutTextsTest : public ::testing::Test {
 protected:
  void SetUp() override {
    testing_support::TestApplication();
    ui::setHost(&host.emplace());
  }
  void TearDown() override {
    core::ResetCore();
    rt::SetProgramFolder(QString());
    ui::setHost(nullptr);
  }
  Look collect() {
    return [this](const QString&, QWidget& window) {
      for (const CutText& cut : CutTexts(window))
        if (std::find(cuts.begin(), cuts.end(), cut) == cuts.end()) cuts.push_back(cut);
      return true;
    };
  }

  std::optional<qt::QtHost> host;
  std::vector<CutText> cuts;
};

TEST_F(CutTextsTest, EveryWindowShowsItsTextsWhole) {
  const QScreen& screen = *QGuiApplication::primaryScreen();
  ASSERT_EQ(screen.geometry(), QRect(0, 0, 800, 800));
  ASSERT_EQ(screen.logicalDotsPerInchX(), 96);

  EXPECT_TRUE(ShowEveryWindow(*host, collect()));

  QTemporaryDir demo;
  ASSERT_TRUE(ArrancaDemo(demo.path()));
  std::vector<galeria::Ventana> ventanas = galeria::TodasLasVentanas();
  galeria::frmGaleria galeria(ventanas);
  galeria.Show();
  QCoreApplication::processEvents();
  collect()(galeria.Name(), *host->windowOf(galeria));
  const Capture capture = CaptureFor(collect());
  // The stock recording opens no window but the status window, which the snapshots show.
  for (const galeria::Ventana& v : ventanas) capture(v.titulo, v.abre);
  galeria.Unload();

  int unknown = 0;
  for (const CutText& cut : cuts) {
    const bool ok = known(cut);
    std::printf("%s %s\n", ok ? "known cut:" : "CUT:", qPrintable(Describe(cut)));
    if (!ok) ++unknown;
  }
  std::printf("%zu cut texts, %d of them not known\n", cuts.size(), unknown);
  EXPECT_EQ(unknown, 0);
}

}  // namespace
