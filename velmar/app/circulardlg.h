// The modal dialog in which the user types a circulant's vertex count and
// generator numbers and sees it analysed: the adjacency and distance grids,
// the diameter D and the average diameter AveD. Every successful build is
// handed to the document at once, so the picture changes behind the dialog.
#pragma once

#include <QDialog>
#include <cstdint>

class CVelmarDoc;
class MatrixTableModel;
class QLineEdit;
class QListWidget;
class QPushButton;
class QTableView;

class CCircularDlg : public QDialog {
 public:
  explicit CCircularDlg(QWidget* parent = nullptr);
  ~CCircularDlg() override;

  void SetDocument(CVelmarDoc* document) { m_pDoc = document; }

  void OnBnClickedBuild();

  std::int32_t Vertices() const { return m_nVertices; }
  std::int32_t Generators() const { return m_nGenerators; }
  std::int32_t Diameter() const { return m_nDiameter; }
  double AverDiam() const { return m_dAverDiam; }

  // Pixel widths of the grids' columns: " 00 " and " 000 " in the grid font.
  int AdjacencyColumnWidth() const;
  int DistanceColumnWidth() const;

 protected:
  void showEvent(QShowEvent* event) override;

 private:
  void CreateControls();
  void DoDataExchange();
  void OnInitDialog();
  void EmptyGrids();
  void FillGrid(QTableView* grid, MatrixTableModel* model, int columnWidth, std::int32_t n,
                const std::int32_t* values);
  void Message(const char* text);

  CVelmarDoc* m_pDoc = nullptr;
  std::int32_t m_nVertices = 0;
  std::int32_t m_nGenerators = 0;
  std::int32_t m_nDiameter = 0;
  double m_dAverDiam = 0.0;

  QLineEdit* m_editVertices = nullptr;
  QLineEdit* m_editGenerators = nullptr;
  QLineEdit* m_editDiameter = nullptr;
  QTableView* m_listAdjacency = nullptr;
  QTableView* m_listDistance = nullptr;
  QListWidget* m_listAverDiam = nullptr;
  MatrixTableModel* adjacencyModel_ = nullptr;
  MatrixTableModel* distanceModel_ = nullptr;
  bool initialised_ = false;
};
