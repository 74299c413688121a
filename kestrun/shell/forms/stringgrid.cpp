#include "forms/stringgrid.h"

#include <QHeaderView>
#include <QPainter>
#include <QScrollBar>
#include <algorithm>

#include "forms/gridcell.h"
#include "forms/stringgridmodel.h"

namespace kestrun {
namespace {

// The grids of the wizard hold vertex numbers and coordinates: at most two
// digits.
constexpr int kDigitsShown = 2;

// Moves the scroll bar back until `position()`, a cell's start in the
// viewport, lies past the fixed cells' `fixedSize`.
template <typename Position>
void Uncover(QScrollBar& bar, bool perItem, Position position, int fixedSize) {
  while (position() < fixedSize && bar.value() > bar.minimum())
    bar.setValue(bar.value() - (perItem ? 1 : fixedSize - position()));
}

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

int StringGrid::FixedHeight() const { return RowCount() > 0 ? rowHeight(0) : 0; }
int StringGrid::FixedWidth() const { return ColCount() > 0 ? columnWidth(0) : 0; }

QRect StringGrid::visualRect(const QModelIndex& index) const {
  QRect rect = QTableView::visualRect(index);
  if (rect.isNull()) return rect;
  if (index.row() == 0) rect.moveTop(0);
  if (index.column() == 0) rect.moveLeft(0);
  return rect;
}

QModelIndex StringGrid::indexAt(const QPoint& point) const {
  const QModelIndex under = QTableView::indexAt(point);
  if (!under.isValid()) return under;
  return model_->index(point.y() < FixedHeight() ? 0 : under.row(),
                       point.x() < FixedWidth() ? 0 : under.column());
}

void StringGrid::scrollTo(const QModelIndex& index, ScrollHint hint) {
  QTableView::scrollTo(index, hint);
  if (!index.isValid()) return;
  const int row = index.row();
  const int col = index.column();
  if (row > 0)
    Uncover(
        *verticalScrollBar(), verticalScrollMode() == ScrollPerItem,
        [&] { return rowViewportPosition(row); }, FixedHeight());
  if (col > 0)
    Uncover(
        *horizontalScrollBar(), horizontalScrollMode() == ScrollPerItem,
        [&] { return columnViewportPosition(col); }, FixedWidth());
}

void StringGrid::scrollContentsBy(int dx, int dy) {
  QTableView::scrollContentsBy(dx, dy);
  // The view shifts its pixels, the fixed cells' among them; they are painted
  // again in their place.
  viewport()->update();
}

void StringGrid::paintEvent(QPaintEvent* event) {
  QTableView::paintEvent(event);
  if (RowCount() == 0 || ColCount() == 0) return;
  QPainter painter(viewport());
  QStyleOptionViewItem base;
  initViewItemOption(&base);
  const int height = viewport()->height();
  const int width = viewport()->width();
  // Column 0 beside the rows that show, then row 0 over the columns that
  // show, and the corner over both.
  for (int row = std::max(rowAt(FixedHeight()), 1); row >= 1 && row < RowCount(); ++row) {
    if (rowViewportPosition(row) >= height) break;
    PaintFixedCell(painter, base, 0, row);
  }
  for (int col = std::max(columnAt(FixedWidth()), 1); col >= 1 && col < ColCount(); ++col) {
    if (columnViewportPosition(col) >= width) break;
    PaintFixedCell(painter, base, col, 0);
  }
  PaintFixedCell(painter, base, 0, 0);
}

void StringGrid::PaintFixedCell(QPainter& painter, const QStyleOptionViewItem& base, int col,
                                int row) {
  const QModelIndex index = model_->index(row, col);
  QStyleOptionViewItem option = base;
  option.rect = visualRect(index);
  // Fixed cells are not enabled: they never become current or selected.
  option.state &= ~QStyle::State_Enabled;
  option.palette.setCurrentColorGroup(QPalette::Disabled);
  itemDelegate()->paint(&painter, option, index);
  if (!showGrid()) return;
  // The grid line at the cell's right and bottom edges, as the view draws it.
  const QRect line = option.rect.adjusted(0, 0, 1, 1);
  const auto hint = style()->styleHint(QStyle::SH_Table_GridLineColor, &option, this);
  painter.save();
  painter.setPen(QPen(QColor::fromRgba(static_cast<QRgb>(hint)), 1, gridStyle()));
  painter.drawLine(line.topRight(), line.bottomRight());
  painter.drawLine(line.bottomLeft(), line.bottomRight());
  painter.restore();
}

int StringGrid::ColCount() const { return model_->columnCount(); }
int StringGrid::RowCount() const { return model_->rowCount(); }
void StringGrid::SetColCount(int count) { model_->Resize(count, RowCount()); }
void StringGrid::SetRowCount(int count) { model_->Resize(ColCount(), count); }
void StringGrid::SetCell(int col, int row, const QString& text) { model_->SetCell(col, row, text); }
QString StringGrid::Cell(int col, int row) const { return model_->Cell(col, row); }

}  // namespace kestrun
