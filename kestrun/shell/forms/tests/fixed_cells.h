// Checks that a string grid's fixed row and column stay in place while the
// other cells scroll under them.
#pragma once

#include <QImage>
#include <QScrollBar>
#include <QTest>

#include "forms/stringgrid.h"

namespace kestrun::testing {

// Scrolls the grid to its last row and back, then to its last column and
// back: row 0 must look the same at the top throughout the first, column 0
// the same at the left throughout the second, and beside every row that
// shows stands that row's own fixed cell. A grid that cannot scroll one way
// is checked the other way only.
inline void VerifyFixedCellsStay(StringGrid& grid) {
  QWidget& view = *grid.viewport();
  const int rowHeight = grid.rowHeight(0);
  const int colWidth = grid.columnWidth(0);
  QScrollBar& down = *grid.verticalScrollBar();
  QScrollBar& across = *grid.horizontalScrollBar();
  QVERIFY2(down.maximum() > 0 || across.maximum() > 0, "the grid does not scroll");

  const QRect topRow(0, 0, view.width(), rowHeight);
  const QImage top = view.grab(topRow).toImage();
  down.setValue(down.maximum());
  QCOMPARE(view.grab(topRow).toImage(), top);
  for (int y = rowHeight; y < view.height(); y += rowHeight / 2) {
    const QModelIndex cell = grid.indexAt(QPoint(colWidth + 1, y));
    if (!cell.isValid()) break;
    const QModelIndex fixed = grid.indexAt(QPoint(1, y));
    QCOMPARE(fixed.column(), 0);
    QCOMPARE(fixed.row(), cell.row());
    QCOMPARE(grid.visualRect(fixed).top(), grid.visualRect(cell).top());
  }
  down.setValue(down.minimum());

  const QRect leftColumn(0, 0, colWidth, view.height());
  const QImage left = view.grab(leftColumn).toImage();
  across.setValue(across.maximum());
  QCOMPARE(view.grab(leftColumn).toImage(), left);
  across.setValue(across.minimum());
}

}  // namespace kestrun::testing
