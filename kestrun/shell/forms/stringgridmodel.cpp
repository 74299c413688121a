#include "forms/stringgridmodel.h"

#include <QApplication>
#include <QPalette>
#include <algorithm>

namespace kestrun {

StringGridModel::StringGridModel(int colCount, int rowCount, QObject* parent)
    : QAbstractTableModel(parent),
      cols_(std::max(colCount, 0)),
      rows_(std::max(rowCount, 0), std::vector<QString>(cols_)) {}

int StringGridModel::rowCount(const QModelIndex& parent) const {
  return parent.isValid() ? 0 : static_cast<int>(rows_.size());
}

int StringGridModel::columnCount(const QModelIndex& parent) const {
  return parent.isValid() ? 0 : cols_;
}

QVariant StringGridModel::data(const QModelIndex& index, int role) const {
  if (!index.isValid()) return {};
  const bool fixed = index.row() == 0 || index.column() == 0;
  switch (role) {
    case Qt::DisplayRole:
      return Cell(index.column(), index.row());
    case Qt::BackgroundRole:
      return fixed ? QApplication::palette().button() : QApplication::palette().base();
    default:
      return {};
  }
}

Qt::ItemFlags StringGridModel::flags(const QModelIndex& index) const {
  if (!index.isValid() || index.row() == 0 || index.column() == 0) return Qt::NoItemFlags;
  return Qt::ItemIsEnabled | Qt::ItemIsSelectable;
}

void StringGridModel::Resize(int colCount, int rowCount) {
  beginResetModel();
  cols_ = std::max(colCount, 0);
  rows_.resize(std::max(rowCount, 0));
  for (auto& row : rows_) row.resize(cols_);
  endResetModel();
}

void StringGridModel::SetCell(int col, int row, const QString& text) {
  if (col < 0 || col >= cols_ || row < 0 || row >= rowCount()) return;
  rows_[row][col] = text;
  const QModelIndex cell = index(row, col);
  emit dataChanged(cell, cell, {Qt::DisplayRole});
}

QString StringGridModel::Cell(int col, int row) const {
  if (col < 0 || col >= cols_ || row < 0 || row >= rowCount()) return {};
  return rows_[row][col];
}

}  // namespace kestrun
