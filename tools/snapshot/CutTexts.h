#pragma once
// The texts a window on screen shows cut: every visible label, button,
// check box, option button, column header, list or tree item and grid cell
// whose text does not fit the space it has. A text is cut when the view
// elides it, when the font's width of a line exceeds the space the control
// leaves for it (its own, less what its containers hide), or when a label's
// lines are taller than the label. Columns scrolled wholly out of view are
// not looked at; rows are, in every shown column.
#include <QString>
#include <vector>

class QWidget;

struct CutText {
  QString window;   // the window's name (its form's)
  QString control;  // the control's name; "name header" for its column headers
  QString text;

  bool operator==(const CutText&) const = default;
};

std::vector<CutText> CutTexts(const QWidget& window);

// "window · control · «text»", one line.
QString Describe(const CutText& cut);
