#include "CutTexts.h"

#include <QCheckBox>
#include <QFontMetricsF>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QStyle>
#include <QStyleOption>
#include <QStyledItemDelegate>
#include <QTableView>
#include <QTreeView>
#include <algorithm>
#include <set>

#include "platform/qt/AccessKeys.h"

namespace {

// The style options an item view's delegate paints a cell with.
class ItemOptions : public QStyledItemDelegate {
 public:
  using QStyledItemDelegate::initStyleOption;
};

// The widest line of `text`.
qreal widthOf(const QFont& font, const QString& text) {
  const QFontMetricsF metrics(font);
  qreal widest = 0;
  // Item views hand a cell's line breaks back as Unicode line separators.
  QString lines = QString(text).replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
  lines.replace(QChar::LineSeparator, u'\n');
  for (const QString& line : lines.split(u'\n'))
    widest = std::max(widest, metrics.horizontalAdvance(line));
  return widest;
}

// The part of `rect`, in the widget's coordinates, that its containers
// leave in view, in the window's coordinates.
QRect inView(const QWidget& widget, const QRect& rect, const QWidget& window) {
  QRect shown(widget.mapTo(&window, rect.topLeft()), rect.size());
  for (const QWidget* p = widget.parentWidget(); p && p != &window; p = p->parentWidget())
    shown &= QRect(p->mapTo(&window, QPoint(0, 0)), p->size());
  return shown & window.rect();
}

class Finder {
 public:
  explicit Finder(const QWidget& window) : window_(window) {}

  std::vector<CutText> find() {
    for (const QWidget* w : window_.findChildren<const QWidget*>()) {
      if (!w->isVisibleTo(&window_)) continue;
      if (auto* label = qobject_cast<const QLabel*>(w)) look(*label);
      else if (auto* button = qobject_cast<const QAbstractButton*>(w)) look(*button);
      else if (auto* table = qobject_cast<const QTableView*>(w)) look(*table, *table->horizontalHeader());
      else if (auto* tree = qobject_cast<const QTreeView*>(w)) look(*tree, *tree->header());
    }
    return found_;
  }

 private:
  void cut(const QString& control, const QString& text) {
    if (seen_.insert({control, text}).second) found_.push_back({window_.objectName(), control, text});
  }

  void look(const QLabel& label) {
    if (label.text().isEmpty() || !label.pixmap().isNull()) return;
    const QString text = label.buddy() ? qt::withoutAccessKey(label.text()) : label.text();
    const int m = label.margin();
    const QRect space = label.contentsRect().adjusted(m, m, -m, -m);
    const QRect shown = inView(label, space, window_);
    if (shown.isEmpty()) return;
    const int wrap = label.wordWrap() ? Qt::TextWordWrap : 0;
    const QRect needed = QFontMetrics(label.font()).boundingRect(
        QRect(0, 0, label.wordWrap() ? space.width() : 1 << 20, 1 << 20), Qt::AlignLeft | Qt::AlignTop | wrap,
        QString(text).replace(QStringLiteral("\r\n"), QStringLiteral("\n")));
    if (needed.width() > shown.width() || needed.height() > shown.height()) cut(label.objectName(), text);
  }

  void look(const QAbstractButton& button) {
    if (button.text().isEmpty()) return;
    QStyleOptionButton option;
    option.initFrom(&button);
    option.text = button.text();
    option.icon = button.icon();
    option.iconSize = button.iconSize();
    QStyle::SubElement contents = QStyle::SE_PushButtonContents;
    if (qobject_cast<const QCheckBox*>(&button)) contents = QStyle::SE_CheckBoxContents;
    else if (qobject_cast<const QRadioButton*>(&button)) contents = QStyle::SE_RadioButtonContents;
    else if (auto* push = qobject_cast<const QPushButton*>(&button)) {
      if (push->isDefault()) option.features |= QStyleOptionButton::DefaultButton;
      if (push->autoDefault()) option.features |= QStyleOptionButton::AutoDefaultButton;
    } else {
      return;
    }
    QRect space = button.style()->subElementRect(contents, &option, &button);
    if (!option.icon.isNull()) space.setLeft(space.left() + option.iconSize.width() + 4);
    const QRect shown = inView(button, space, window_);
    if (shown.isEmpty()) return;
    const QString text = qt::withoutAccessKey(button.text());
    if (widthOf(button.font(), text) > shown.width()) cut(button.objectName(), text);
  }

  // Columns at least partly in view; every row of them the view shows
  // (a tree's collapsed nodes are not shown).
  void look(const QAbstractItemView& view, const QHeaderView& header) {
    const QAbstractItemModel* model = view.model();
    if (!model) return;
    for (int c = 0; c < model->columnCount(view.rootIndex()); ++c) {
      if (header.isSectionHidden(c) || header.sectionSize(c) == 0) continue;
      const int left = header.sectionViewportPosition(c);
      if (left >= view.viewport()->width() || left + header.sectionSize(c) <= 0) continue;
      if (header.isVisible()) lookHeader(view, header, c);
      lookRows(view, view.rootIndex(), c, left + view.viewport()->width());
    }
  }

  void lookHeader(const QAbstractItemView& view, const QHeaderView& header, int c) {
    const QAbstractItemModel& model = *view.model();
    QStyleOptionHeaderV2 option;
    option.initFrom(&header);
    option.state |= QStyle::State_Horizontal;
    option.rect = QRect(header.sectionViewportPosition(c), 0, header.sectionSize(c), header.height());
    option.section = c;
    option.text = model.headerData(c, Qt::Horizontal, Qt::DisplayRole).toString();
    option.icon = qvariant_cast<QIcon>(model.headerData(c, Qt::Horizontal, Qt::DecorationRole));
    if (header.isSortIndicatorShown() && header.sortIndicatorSection() == c)
      option.sortIndicator = header.sortIndicatorOrder() == Qt::AscendingOrder ? QStyleOptionHeader::SortDown
                                                                                : QStyleOptionHeader::SortUp;
    if (option.text.isEmpty()) return;
    QFont font = header.font();
    const QVariant own = model.headerData(c, Qt::Horizontal, Qt::FontRole);
    if (own.isValid()) font = qvariant_cast<QFont>(own).resolve(font);
    // A clickable header that highlights sections draws those holding the selection bold.
    if (header.sectionsClickable() && header.highlightSections() && view.selectionModel() &&
        view.selectionModel()->columnIntersectsSelection(c, view.rootIndex()))
      font.setBold(true);
    const QStyle& style = *header.style();
    QRect space = style.subElementRect(QStyle::SE_HeaderLabel, &option, &header);
    if (!option.icon.isNull())
      space.setLeft(space.left() + style.pixelMetric(QStyle::PM_SmallIconSize, nullptr, &header) +
                    style.pixelMetric(QStyle::PM_HeaderMargin, &option, &header));
    space.setRight(std::min(space.right(), option.rect.left() + header.width() - 1));
    if (widthOf(font, option.text) > space.width()) cut(header.parentWidget()->objectName() + " header", option.text);
  }

  void lookRows(const QAbstractItemView& view, const QModelIndex& parent, int c, int viewRight) {
    const QAbstractItemModel& model = *view.model();
    const auto* tree = qobject_cast<const QTreeView*>(&view);
    const auto* table = qobject_cast<const QTableView*>(&view);
    for (int r = 0; r < model.rowCount(parent); ++r) {
      if ((table && table->isRowHidden(r)) || (tree && tree->isRowHidden(r, parent))) continue;
      lookCell(view, model.index(r, c, parent), viewRight);
      const QModelIndex first = model.index(r, 0, parent);
      if (tree && c == 0 && tree->isExpanded(first)) lookRows(view, first, c, viewRight);
    }
  }

  void lookCell(const QAbstractItemView& view, const QModelIndex& at, int viewRight) {
    QStyleOptionViewItem option;
    option.initFrom(&view);
    option.font = view.font();
    option.fontMetrics = QFontMetrics(option.font);
    const QStyle& style = *view.style();
    const int icon = style.pixelMetric(QStyle::PM_SmallIconSize, nullptr, &view);
    option.decorationSize = view.iconSize().isValid() ? view.iconSize() : QSize(icon, icon);
    option.decorationPosition = QStyleOptionViewItem::Left;
    option.displayAlignment = Qt::AlignLeft | Qt::AlignVCenter;
    option.textElideMode = view.textElideMode();
    option.widget = &view;
    option.rect = view.visualRect(at);
    options_.initStyleOption(&option, at);
    if (option.text.isEmpty()) return;
    // The view draws the text inside the text rectangle less a margin each
    // side (the margin that cell is drawn with, asked with its options);
    // scrolled to the column's left edge, the view shows its text up to
    // `viewRight`.
    const int margin = style.pixelMetric(QStyle::PM_FocusFrameHMargin, &option, &view) + 1;
    const QRect text = style.subElementRect(QStyle::SE_ItemViewItemText, &option, &view);
    const int space = std::min(text.right() + 1, viewRight) - text.left() - 2 * margin;
    if (widthOf(option.font, option.text) > space) cut(view.objectName(), option.text);
  }

  const QWidget& window_;
  ItemOptions options_;
  std::vector<CutText> found_;
  std::set<std::pair<QString, QString>> seen_;
};

}  // namespace

std::vector<CutText> CutTexts(const QWidget& window) { return Finder(window).find(); }

QString Describe(const CutText& cut) {
  return cut.window + QStringLiteral(" · ") + cut.control + QStringLiteral(" · «") + cut.text + QStringLiteral("»");
}
