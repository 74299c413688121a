#include "forms/stringgrid.h"

#include <QHeaderView>

#include "forms/gridcell.h"
#include "forms/stringgridmodel.h"

namespace kestrun {
namespace {

// The grids of the wizard hold vertex numbers and coordinates: at most two
// digits.
constexpr int kDigitsShown = 2;

}  // namespace

StringGrid::StringGrid(QWidget* parent, const QRect& rect, int colCount, int rowCount,
                       int defaultColWidth, int defaultRowHeight)
    : QTableView(parent), model_(new StringGridModel(colCount, rowCount, this)) {
  setGeometry(rect);
  setModel(model_);
  // The fixed row and column take the place of headers.
  horizontalHeader()->hide();
  verticalHeader()->hide();
  horizontalHeader()->setMinimumSectionSize(1);
  verticalHeader()->setMinimumSectionSize(1);
  horizontalHeader()->setDefaultSectionSize(defaultColWidth);
  verticalHeader()->setDefaultSectionSize(defaultRowHeight);
  setEditTriggers(QAbstractItemView::NoEditTriggers);
  setTextElideMode(Qt::ElideNone);
  setWordWrap(false);
  setTabKeyNavigation(false);
  setItemDelegate(new GridCellDelegate(this));
  setFont(FitGridFont(font(), defaultColWidth, kDigitsShown));
}

QModelIndex StringGrid::moveCursor(CursorAction action, Qt::KeyboardModifiers modifiers) {
  // Without a current cell, the first move (or the focus arriving) lands on
  // the first cell that is not fixed; from there the view skips the fixed
  // cells, which are not enabled.
  if (!currentIndex().isValid()) return model_->index(1, 1);
  return QTableView::moveCursor(action, modifiers);
}

int StringGrid::ColCount() const { return model_->columnCount(); }
int StringGrid::RowCount() const { return model_->rowCount(); }
void StringGrid::SetColCount(int count) { model_->Resize(count, RowCount()); }
void StringGrid::SetRowCount(int count) { model_->Resize(ColCount(), count); }
void StringGrid::SetCell(int col, int row, const QString& text) { model_->SetCell(col, row, text); }
QString StringGrid::Cell(int col, int row) const { return model_->Cell(col, row); }

}  // namespace kestrun
