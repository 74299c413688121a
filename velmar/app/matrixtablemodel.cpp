#include "matrixtablemodel.h"

void MatrixTableModel::SetMatrix(std::int32_t n, const std::int32_t* values) {
  beginResetModel();
  n_ = n > 0 ? n : 0;
  const std::size_t cells = static_cast<std::size_t>(n_) * static_cast<std::size_t>(n_);
  values_.assign(values, values + cells);
  endResetModel();
}

void MatrixTableModel::Clear() {
  beginResetModel();
  n_ = 0;
  values_.clear();
  endResetModel();
}

int MatrixTableModel::rowCount(const QModelIndex& parent) const {
  return parent.isValid() ? 0 : n_;
}

int MatrixTableModel::columnCount(const QModelIndex& parent) const {
  return parent.isValid() ? 0 : n_;
}

QVariant MatrixTableModel::data(const QModelIndex& index, int role) const {
  if (!index.isValid() || index.row() >= n_ || index.column() >= n_) return {};
  if (role == Qt::TextAlignmentRole) return int(Qt::AlignCenter);
  if (role != Qt::DisplayRole) return {};
  const std::size_t at = static_cast<std::size_t>(index.row()) * static_cast<std::size_t>(n_) +
                         static_cast<std::size_t>(index.column());
  return QString::number(values_[at]);
}
