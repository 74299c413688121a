// A table of texts whose first row and first column are fixed (headings).
// It is one stop of its window's tab order: Tab and Shift+Tab leave it, the
// arrow keys, Home/End and Page Up/Down move between the cells that are not
// fixed.
#pragma once

#include <QTableView>

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

 protected:
  QModelIndex moveCursor(CursorAction action, Qt::KeyboardModifiers modifiers) override;

 private:
  StringGridModel* model_;
};

}  // namespace kestrun
