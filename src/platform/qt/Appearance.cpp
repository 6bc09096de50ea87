#include "platform/qt/Appearance.h"

#include <QCoreApplication>
#include <QFontDatabase>
#include <QGuiApplication>
#include <QScreen>
#include <cmath>
#include <cstdio>

#include "platform/ui/Component.h"

namespace qt {

namespace {
constexpr double kTwipsPerInch = 1440.0;

double dpiX() {
  const QScreen* s = QGuiApplication::primaryScreen();
  return s ? s->logicalDotsPerInchX() : 96.0;
}
double dpiY() {
  const QScreen* s = QGuiApplication::primaryScreen();
  return s ? s->logicalDotsPerInchY() : 96.0;
}

// The windows were laid out for a sans serif of Arial's proportions:
// Liberation Sans has its metrics. Without it, the desktop's sans, said once.
QString sansFamily() {
  static const QString family = [] {
    const QString liberation = QStringLiteral("Liberation Sans");
    if (QFontDatabase::families().contains(liberation)) return liberation;
    std::fprintf(stderr,
                 "%s: the font Liberation Sans is not installed (Debian package fonts-liberation2); the windows use "
                 "the desktop's sans serif, in which some texts may not fit.\n",
                 qPrintable(QCoreApplication::applicationName()));
    return QStringLiteral("Sans Serif");
  }();
  return family;
}
}  // namespace

int pixelsX(int twips) { return static_cast<int>(std::lround(twips * dpiX() / kTwipsPerInch)); }
int pixelsY(int twips) { return static_cast<int>(std::lround(twips * dpiY() / kTwipsPerInch)); }
int twipsX(int pixels) { return static_cast<int>(std::lround(pixels * kTwipsPerInch / dpiX())); }
int twipsY(int pixels) { return static_cast<int>(std::lround(pixels * kTwipsPerInch / dpiY())); }

QRect pixelRect(const ui::Component& c) {
  return {pixelsX(c.Left()), pixelsY(c.Top()), pixelsX(c.Width()), pixelsY(c.Height())};
}

QColor qtColor(ui::Color color, const QPalette& palette) {
  if (!ui::color::isSystem(color)) return QColor(ui::color::red(color), ui::color::green(color), ui::color::blue(color));
  switch (color) {
    case ui::color::WindowBackground: return palette.color(QPalette::Base);
    case ui::color::WindowText: return palette.color(QPalette::Text);
    case ui::color::Highlight: return palette.color(QPalette::Highlight);
    case ui::color::HighlightText: return palette.color(QPalette::HighlightedText);
    case ui::color::ButtonText: return palette.color(QPalette::ButtonText);
    default: return palette.color(QPalette::Window);
  }
}

QFont qtFont(const ui::Component& c) {
  const QString name = c.FontName().toLower();
  QFont font;
  if (name.contains(u"courier") || name.contains(u"mono") || name.contains(u"console") || name.contains(u"fixed")) {
    font.setFamily(QStringLiteral("Monospace"));
    font.setStyleHint(QFont::TypeWriter);
  } else if (name.contains(u"times") || (name.contains(u"serif") && !name.contains(u"sans"))) {
    font.setFamily(QStringLiteral("Serif"));
    font.setStyleHint(QFont::Serif);
  } else {
    font.setFamily(sansFamily());
    font.setStyleHint(QFont::SansSerif);
  }
  font.setPointSizeF(c.FontSize() > 0 ? c.FontSize() : 8.25);
  font.setBold(c.FontBold());
  return font;
}

}  // namespace qt
