// Checks that a string grid shows every one of its texts whole.
#pragma once

#include <QFontMetrics>
#include <QString>
#include <QTest>

#include "forms/gridcell.h"
#include "forms/stringgrid.h"

namespace kestrun::testing {

// Fails at the first cell whose text is wider than the room its column
// leaves after the grid line and the indent.
inline void VerifyEveryCellFits(const StringGrid& grid) {
  const QFontMetrics metrics(grid.font());
  for (int row = 0; row < grid.RowCount(); ++row) {
    for (int col = 0; col < grid.ColCount(); ++col) {
      const QString text = grid.Cell(col, row);
      QVERIFY2(metrics.horizontalAdvance(text) <= CellTextRoom(grid.columnWidth(col)),
               qPrintable(QStringLiteral("(%1, %2) %3").arg(col).arg(row).arg(text)));
    }
  }
}

}  // namespace kestrun::testing
