#include "forms/gridcell.h"

#include <QApplication>
#include <QFontMetrics>
#include <QPainter>
#include <algorithm>

namespace kestrun {
namespace {

int WidestNumber(const QFont& font, int digits) {
  const QFontMetrics metrics(font);
  int widest = 0;
  // Every digit in every place: the glyphs of a proportional face differ.
  for (QChar digit = u'0'; digit <= u'9'; digit = QChar(digit.unicode() + 1)) {
    widest = std::max(widest, metrics.horizontalAdvance(QString(digits, digit)));
  }
  return widest;
}

}  // namespace

QFont FitGridFont(QFont font, int columnWidth, int digits) {
  const int room = CellTextRoom(columnWidth);
  const auto fits = [&](const QFont& f) { return WidestNumber(f, digits) <= room; };
  if (fits(font)) return font;
  const int initialStretch = font.stretch() > 0 ? font.stretch() : int{QFont::Unstretched};
  for (int stretch = initialStretch; stretch >= QFont::Condensed; stretch -= 3) {
    font.setStretch(stretch);
    if (fits(font)) return font;
  }
  font.setStretch(QFont::Condensed);
  while (font.pixelSize() > 9 && !fits(font)) font.setPixelSize(font.pixelSize() - 1);
  return font;
}

void GridCellDelegate::paint(QPainter* painter, const QStyleOptionViewItem& option,
                             const QModelIndex& index) const {
  QStyleOptionViewItem cell = option;
  initStyleOption(&cell, index);
  const QString text = cell.text;
  cell.text.clear();
  const QWidget* widget = cell.widget;
  QStyle* style = widget ? widget->style() : QApplication::style();
  // Background, selection and focus frame as the style draws them.
  style->drawControl(QStyle::CE_ItemViewItem, &cell, painter, widget);

  const bool selected = cell.state & QStyle::State_Selected;
  painter->save();
  painter->setClipRect(cell.rect);
  painter->setFont(cell.font);
  // Fixed cells are not enabled (they never become current) yet read as
  // plainly as the others.
  painter->setPen(
      cell.palette.color(QPalette::Active, selected ? QPalette::HighlightedText : QPalette::Text));
  painter->drawText(cell.rect.adjusted(kCellTextIndent, 0, 0, 0),
                    Qt::AlignLeft | Qt::AlignVCenter | Qt::TextSingleLine, text);
  painter->restore();
}

}  // namespace kestrun
