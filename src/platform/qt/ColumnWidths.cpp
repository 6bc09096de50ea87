#include "platform/qt/ColumnWidths.h"

#include <QApplication>
#include <QFontMetricsF>
#include <QHeaderView>
#include <QPointer>
#include <QProxyStyle>
#include <QStyleOptionViewItem>
#include <QTableView>
#include <QTreeView>
#include <optional>

namespace qt {

namespace {

class NarrowCellMargins : public QProxyStyle {
 public:
  int pixelMetric(PixelMetric metric, const QStyleOption* option, const QWidget* widget) const override {
    switch (metric) {
      // A cell's text margin is one more.
      case PM_FocusFrameHMargin: return drawnCellMargin_ ? *drawnCellMargin_ : marginFor(option, widget);
      case PM_HeaderMargin: return 1;
      default: return QProxyStyle::pixelMetric(metric, option, widget);
    }
  }

  // The style asks for the margin several times while it draws a cell:
  // the cell's is worked out once.
  void drawControl(ControlElement element, const QStyleOption* option, QPainter* painter,
                   const QWidget* widget) const override {
    if (element != CE_ItemViewItem) return QProxyStyle::drawControl(element, option, painter, widget);
    drawnCellMargin_ = marginFor(option, widget);
    QProxyStyle::drawControl(element, option, painter, widget);
    drawnCellMargin_.reset();
  }

 private:
  int marginFor(const QStyleOption* option, const QWidget* widget) const {
    return fitsWithMargin(option, widget) ? 0 : -1;
  }

  // Anything but a cell's options fits. The cell's text rectangle is laid
  // out with the margin, which asks here again.
  bool fitsWithMargin(const QStyleOption* option, const QWidget* widget) const {
    const auto* cell = qstyleoption_cast<const QStyleOptionViewItem*>(option);
    if (!cell || cell->text.isEmpty() || measuring_) return true;
    measuring_ = true;
    const QRect text = subElementRect(SE_ItemViewItemText, cell, widget);
    measuring_ = false;
    const QFontMetricsF metrics(cell->font);
    qreal widest = 0;
    for (const QString& line : cell->text.split(QChar::LineSeparator))
      widest = std::max(widest, metrics.horizontalAdvance(line));
    return widest <= text.width() - 2;
  }

  // The margin of the cell being drawn.
  mutable std::optional<int> drawnCellMargin_;
  mutable bool measuring_ = false;
};

QStyle* narrowCellMargins() {
  static QPointer<QStyle> style;
  if (!style) {
    style = new NarrowCellMargins;
    style->setParent(qApp);
  }
  return style;
}

}  // namespace

void keepColumnsAsSized(QAbstractItemView& view) {
  view.setStyle(narrowCellMargins());
  QHeaderView* header = nullptr;
  if (auto* tree = qobject_cast<QTreeView*>(&view)) header = tree->header();
  if (auto* table = qobject_cast<QTableView*>(&view)) header = table->horizontalHeader();
  if (!header) return;
  header->setStyle(narrowCellMargins());
  header->setMinimumSectionSize(1);
}

}  // namespace qt
