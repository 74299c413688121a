// How a string grid paints its cells: the text indented a little from the
// cell's left edge, never elided, in a font narrow enough for the numbers the
// grid holds to fit its columns.
#pragma once

#include <QFont>
#include <QStyledItemDelegate>

namespace kestrun {

constexpr int kCellTextIndent = 2;  // pixels between the cell's edge and its text
constexpr int kGridLineWidth = 1;   // each column ends with its grid line

// Pixels a text may take in a column of this width.
constexpr int CellTextRoom(int columnWidth) {
  return columnWidth - kGridLineWidth - kCellTextIndent;
}

// `font` itself when every number of `digits` digits fits a column of
// `columnWidth`; otherwise the same face narrowed (down to condensed), and
// only then smaller (down to 9 pixels), until they fit.
QFont FitGridFont(QFont font, int columnWidth, int digits);

class GridCellDelegate : public QStyledItemDelegate {
 public:
  using QStyledItemDelegate::QStyledItemDelegate;
  void paint(QPainter* painter, const QStyleOptionViewItem& option,
             const QModelIndex& index) const override;
};

}  // namespace kestrun
