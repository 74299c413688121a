#include "circulardlg.h"

#include <QGroupBox>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QTableView>
#include <limits>
#include <variant>

#include "circulant.h"
#include "fieldfit.h"
#include "framework/dialogunits.h"
#include "framework/messagebox.h"
#include "matrixtablemodel.h"
#include "resources.h"
#include "velmardoc.h"

namespace {

using velmar::TemplateControl;

constexpr int kVertexTextLimit = 2;
// D is at most 2147483647, the mark of a pair beyond the search's reach.
constexpr int kDiameterDigits = std::numeric_limits<std::int32_t>::digits10 + 1;

QTableView* MakeGrid(QWidget* parent, MatrixTableModel* model) {
  auto* grid = new QTableView(parent);
  grid->setModel(model);
  grid->horizontalHeader()->hide();
  grid->verticalHeader()->hide();
  grid->setShowGrid(false);
  grid->setEditTriggers(QAbstractItemView::NoEditTriggers);
  grid->setWordWrap(false);
  grid->setTextElideMode(Qt::ElideRight);
  grid->horizontalHeader()->setMinimumSectionSize(1);
  grid->horizontalHeader()->setSectionResizeMode(QHeaderView::Fixed);
  grid->verticalHeader()->setMinimumSectionSize(1);
  grid->verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
  grid->verticalHeader()->setDefaultSectionSize(grid->fontMetrics().height() + 2);
  // A grid is one stop of the dialog's tab order: Tab leaves it, and the
  // arrows, Home/End and Page Up/Down move between its cells.
  grid->setTabKeyNavigation(false);
  return grid;
}

QWidget* MakeControl(QWidget* dialog, const TemplateControl& control, MatrixTableModel* adjacency,
                     MatrixTableModel* distance) {
  const QString text = QString::fromUtf8(control.text);
  switch (control.id) {
    case velmar::IDOK:
    case velmar::IDCANCEL:
    case velmar::IDC_BUTTON_BUILD:
      return new QPushButton(text, dialog);
    case velmar::IDC_LIST_ADJACENCY:
      return MakeGrid(dialog, adjacency);
    case velmar::IDC_LIST_DISTANCE:
      return MakeGrid(dialog, distance);
    case velmar::IDC_EDIT_VERTICES:
    case velmar::IDC_EDIT_GENERATORS:
    case velmar::IDC_EDIT_DIAMETER:
      return new QLineEdit(dialog);
    case velmar::IDC_LIST_AVERDIAM: {
      auto* list = new QListWidget(dialog);
      list->setSortingEnabled(true);
      list->setTabKeyNavigation(false);
      // The list has a vertical bar only: a line wider than the list is cut
      // at its right edge, and no horizontal bar takes the room of a line.
      list->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
      list->setTextElideMode(Qt::ElideNone);
      return list;
    }
    default:
      break;
  }
  // Group boxes are the static controls taller than one text line.
  if (control.rect.height > 8) {
    auto* group = new QGroupBox(text, dialog);
    group->setFocusPolicy(Qt::NoFocus);
    return group;
  }
  return new QLabel(text, dialog);
}

}  // namespace

CCircularDlg::CCircularDlg(QWidget* parent) : QDialog(parent) {
  const velmar::DialogTemplate& dialog = velmar::CircularDialogTemplate();
  setObjectName(QStringLiteral("dialog%1").arg(dialog.id));
  setWindowTitle(QString::fromUtf8(dialog.caption));
  setFont(velmar::DialogFont());
  setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                 Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint);
  setFixedSize(velmar::DialogUnits(font()).ToPixels(dialog.width, dialog.height));
  CreateControls();
  DoDataExchange();
}

CCircularDlg::~CCircularDlg() = default;

void CCircularDlg::CreateControls() {
  adjacencyModel_ = new MatrixTableModel(this);
  distanceModel_ = new MatrixTableModel(this);
  const velmar::DialogUnits units(font());
  QWidget* previous = nullptr;
  for (const TemplateControl& control : velmar::CircularDialogTemplate().controls) {
    QWidget* widget = MakeControl(this, control, adjacencyModel_, distanceModel_);
    widget->setGeometry(
        units.ToPixels(control.rect.x, control.rect.y, control.rect.width, control.rect.height));
    widget->setProperty("controlId", control.id);
    if (qobject_cast<QGroupBox*>(widget) != nullptr) {
      // A frame drawn behind the controls it surrounds, never over them.
      widget->lower();
      continue;
    }
    if (control.id == velmar::IDC_STATIC) continue;
    if (previous != nullptr) setTabOrder(previous, widget);
    previous = widget;
  }
}

void CCircularDlg::DoDataExchange() {
  const auto byId = [this](int id) {
    for (QWidget* child : findChildren<QWidget*>(QString(), Qt::FindDirectChildrenOnly)) {
      if (child->property("controlId").toInt() == id) return child;
    }
    return static_cast<QWidget*>(nullptr);
  };
  m_editVertices = qobject_cast<QLineEdit*>(byId(velmar::IDC_EDIT_VERTICES));
  m_editGenerators = qobject_cast<QLineEdit*>(byId(velmar::IDC_EDIT_GENERATORS));
  m_editDiameter = qobject_cast<QLineEdit*>(byId(velmar::IDC_EDIT_DIAMETER));
  m_listAdjacency = qobject_cast<QTableView*>(byId(velmar::IDC_LIST_ADJACENCY));
  m_listDistance = qobject_cast<QTableView*>(byId(velmar::IDC_LIST_DISTANCE));
  m_listAverDiam = qobject_cast<QListWidget*>(byId(velmar::IDC_LIST_AVERDIAM));
  auto* ok = qobject_cast<QPushButton*>(byId(velmar::IDOK));
  auto* cancel = qobject_cast<QPushButton*>(byId(velmar::IDCANCEL));
  auto* build = qobject_cast<QPushButton*>(byId(velmar::IDC_BUTTON_BUILD));
  connect(ok, &QPushButton::clicked, this, &QDialog::accept);
  connect(cancel, &QPushButton::clicked, this, &QDialog::reject);
  connect(build, &QPushButton::clicked, this, &CCircularDlg::OnBnClickedBuild);
  ok->setDefault(true);
  // Typed and pasted text alike: the field never holds more than two characters.
  m_editVertices->setMaxLength(kVertexTextLimit);
  m_editDiameter->setFont(
      FontFittingDigits(m_editDiameter->font(), FieldTextRoom(*m_editDiameter), kDiameterDigits));
}

void CCircularDlg::showEvent(QShowEvent* event) {
  QDialog::showEvent(event);
  if (!initialised_) OnInitDialog();
}

void CCircularDlg::OnInitDialog() {
  initialised_ = true;
  for (QPushButton* button : findChildren<QPushButton*>()) {
    if (button->property("controlId").toInt() == velmar::IDOK) button->setFocus();
  }
}

int CCircularDlg::AdjacencyColumnWidth() const {
  return m_listAdjacency->fontMetrics().horizontalAdvance(QStringLiteral(" 00 "));
}

int CCircularDlg::DistanceColumnWidth() const {
  // Both grids share the dialog's font, so the adjacency grid measures both.
  return m_listAdjacency->fontMetrics().horizontalAdvance(QStringLiteral(" 000 "));
}

void CCircularDlg::EmptyGrids() {
  adjacencyModel_->Clear();
  distanceModel_->Clear();
}

void CCircularDlg::FillGrid(QTableView* grid, MatrixTableModel* model, int columnWidth,
                            std::int32_t n, const std::int32_t* values) {
  // Columns keep the measured width whatever they hold; a long distance is
  // shown cut short rather than widening the grid.
  grid->horizontalHeader()->setDefaultSectionSize(columnWidth);
  model->SetMatrix(n, values);
}

void CCircularDlg::Message(const char* text) { velmar::ShowMessage(this, QString::fromUtf8(text)); }

void CCircularDlg::OnBnClickedBuild() {
  EmptyGrids();
  const QByteArray strTextEdit1 = m_editVertices->text().toUtf8();
  const auto count = velmar::ReadVertexCount(strTextEdit1.toStdString());
  m_nVertices = std::holds_alternative<std::int32_t>(count) ? std::get<std::int32_t>(count) : 0;
  const QByteArray strTextEdit2 = m_editGenerators->text().toUtf8();
  velmar::CirculantResult result =
      velmar::BuildCirculant(strTextEdit1.toStdString(), strTextEdit2.toStdString());
  if (const auto* error = std::get_if<velmar::BuildError>(&result)) {
    if (*error == velmar::BuildError::VertexCountError) {
      Message("Ошибка ввода количества вершин");
      return;
    }
    const auto generators = velmar::ParseGenerators(strTextEdit2.toStdString());
    m_nGenerators = generators ? static_cast<std::int32_t>(generators->size()) : 0;
    Message("Ошибочные образующие числа");
    return;
  }
  const velmar::CirculantModel& model = std::get<velmar::CirculantModel>(result);
  const std::int32_t n = model.vertexCount;
  m_nGenerators = static_cast<std::int32_t>(model.generators.size());
  FillGrid(m_listAdjacency, adjacencyModel_, AdjacencyColumnWidth(), n, model.adjacency.data());
  FillGrid(m_listDistance, distanceModel_, DistanceColumnWidth(), n, model.distances.data());

  m_nDiameter = model.diameter;
  const QString strDiameter = QString::number(m_nDiameter);
  m_editDiameter->setText(strDiameter);
  // A field the program writes shows its text from the start, as after the
  // user's Home, not scrolled to the cursor that setText leaves at the end.
  m_editDiameter->setCursorPosition(0);

  m_dAverDiam = model.averDiam;
  const QString strAverDiam = QString::fromStdString(velmar::FormatAverDiam(m_dAverDiam));
  m_listAverDiam->addItems(QStringList(n, strAverDiam));

  if (m_pDoc != nullptr) {
    m_pDoc->SetVertexCount(n);
    m_pDoc->AllocateMatrix();
    m_pDoc->CopyMatrix(model.adjacency);
    m_pDoc->UpdateAllViews(nullptr, 0, nullptr);
  }
}
