// A table of texts whose first row and first column are fixed (headings).
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

 private:
  StringGridModel* model_;
};

}  // namespace kestrun
