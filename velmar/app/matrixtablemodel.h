// A square matrix of numbers shown as a grid of centred decimal texts. The
// grid holds its own copy, so the build's matrices can go once it is filled.
#pragma once

#include <QAbstractTableModel>
#include <cstdint>
#include <vector>

class MatrixTableModel : public QAbstractTableModel {
 public:
  using QAbstractTableModel::QAbstractTableModel;

  // Copies n x n values, row by row.
  void SetMatrix(std::int32_t n, const std::int32_t* values);
  void Clear();

  int rowCount(const QModelIndex& parent = QModelIndex()) const override;
  int columnCount(const QModelIndex& parent = QModelIndex()) const override;
  QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;

 private:
  std::int32_t n_ = 0;
  std::vector<std::int32_t> values_;
};
