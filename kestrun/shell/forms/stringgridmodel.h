// The texts of a string grid, with the fixed first row and column painted in
// the button-face colour.
#pragma once

#include <QAbstractTableModel>
#include <QString>
#include <vector>

namespace kestrun {

class StringGridModel : public QAbstractTableModel {
 public:
  StringGridModel(int colCount, int rowCount, QObject* parent);

  int rowCount(const QModelIndex& parent = {}) const override;
  int columnCount(const QModelIndex& parent = {}) const override;
  QVariant data(const QModelIndex& index, int role) const override;
  // The fixed row and column can be neither current nor selected.
  Qt::ItemFlags flags(const QModelIndex& index) const override;

  void Resize(int colCount, int rowCount);
  void SetCell(int col, int row, const QString& text);
  QString Cell(int col, int row) const;

 private:
  int cols_;
  std::vector<std::vector<QString>> rows_;  // rows_[row][col]
};

}  // namespace kestrun
