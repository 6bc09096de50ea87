#pragma once
// How the models' measures, colours and fonts look on this desktop: twips
// at 1440 per inch of the screen's logical resolution, blue-green-red and
// system colours, and the program's Windows font names.
#include <QColor>
#include <QFont>
#include <QPalette>
#include <QRect>

#include "platform/ui/Colors.h"

namespace ui {
class Component;
}

namespace qt {

int pixelsX(int twips);
int pixelsY(int twips);
int twipsX(int pixels);
int twipsY(int pixels);
QRect pixelRect(const ui::Component& c);

// System colours come from `palette`.
QColor qtColor(ui::Color color, const QPalette& palette);
// The model's font name, size and weight; Windows names map to the
// desktop's serif or fixed-width family, and every other name to Liberation
// Sans (Arial's metrics).
QFont qtFont(const ui::Component& c);

}  // namespace qt
