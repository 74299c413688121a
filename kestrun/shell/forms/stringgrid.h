// A table of texts whose first row and first column are fixed (headings):
// the rest scrolls under them, row 0 staying at the top and column 0 at the
// left. It is one stop of its window's tab order: Tab and Shift+Tab leave it,
// the arrow keys, Home/End and Page Up/Down move between the cells that are
// not fixed.
#pragma once

#include <QTableView>

class QPainter;
class QStyleOptionViewItem;

namespace kestrun {

class StringGridModel;

class StringGrid : public QTableView {
 public:
  StringGrid(QWidget* parent, const QRect& rect, int colCount, int rowCount, int defaultColWidth,
             int defaultRowHeight);

  int ColCount() const;
  int RowCount() const;
  // Growing adds empty cells; shrinking drops the cells beyond the new size.
  void SetColCount(int count);
  void SetRowCount(int count);
  // Cells outside the grid are ignored when set and read as empty.
  void SetCell(int col, int row, const QString& text);
  QString Cell(int col, int row) const;

  // Fixed cells are where they show, whatever the scroll position; a point
  // over them finds them, not the cells scrolled under them.
  QRect visualRect(const QModelIndex& index) const override;
  QModelIndex indexAt(const QPoint& point) const override;
  // A cell scrolled into view never ends under the fixed row or column.
  void scrollTo(const QModelIndex& index, ScrollHint hint = EnsureVisible) override;

 protected:
  QModelIndex moveCursor(CursorAction action, Qt::KeyboardModifiers modifiers) override;
  void paintEvent(QPaintEvent* event) override;
  void scrollContentsBy(int dx, int dy) override;

 private:
  int FixedHeight() const;
  int FixedWidth() const;
  void PaintFixedCell(QPainter& painter, const QStyleOptionViewItem& base, int col, int row);

  StringGridModel* model_;
};

}  // namespace kestrun
