// The circulant dialog: its template geometry and tab order, the keyboard
// in filled grids, the build click step by step, both messages and what
// stays after each, the two-character vertex field and the AveD list.
#include <QClipboard>
#include <QHeaderView>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QScrollBar>
#include <QTableView>
#include <QtTest>

#include "circulardlg.h"
#include "fieldfit.h"
#include "framework/dialogunits.h"
#include "framework/view.h"
#include "messagecapture.h"
#include "resources.h"
#include "velmardoc.h"

using velmar::test::MessageCapture;

namespace {

template <typename T>
T* Control(const QWidget& dialog, int id) {
  for (QWidget* child : dialog.findChildren<QWidget*>()) {
    if (child->property("controlId").toInt() == id) return qobject_cast<T*>(child);
  }
  return nullptr;
}

class CountingView : public velmar::View {
 public:
  void OnUpdate(velmar::View*, qintptr, QObject*) override { ++updates; }
  int updates = 0;
};

QString Cell(const QTableView* grid, int row, int column) {
  return grid->model()->index(row, column).data().toString();
}

QStringList Lines(const QListWidget* list) {
  QStringList lines;
  for (int i = 0; i < list->count(); ++i) lines << list->item(i)->text();
  return lines;
}

int FocusId() {
  const QWidget* focus = QApplication::focusWidget();
  return focus == nullptr ? -1 : focus->property("controlId").toInt();
}

// The pixel columns [from, to) of the image hold something darker than mid grey.
bool HasInkIn(const QImage& image, int from, int to, int top, int bottom) {
  for (int x = std::max(from, 0); x < std::min(to, image.width()); ++x) {
    for (int y = std::max(top, 0); y < std::min(bottom, image.height()); ++y) {
      if (qGray(image.pixel(x, y)) < 128) return true;
    }
  }
  return false;
}

const char* const kVertexMessage = "Ошибка ввода количества вершин";
const char* const kGeneratorMessage = "Ошибочные образующие числа";

}  // namespace

class TestCircularDlg : public QObject {
  Q_OBJECT

 private slots:
  void init() {
    QCoreApplication::setApplicationName(QStringLiteral("Velmar"));
    dialog_ = std::make_unique<CCircularDlg>();
    document_ = std::make_unique<CVelmarDoc>();
    document_->AddView(&view_);
    view_.updates = 0;
    dialog_->SetDocument(document_.get());
  }
  void cleanup() {
    dialog_.reset();
    document_.reset();
  }

  void controlsSitWhereTheTemplatePutsThem() {
    const velmar::DialogTemplate& dialog = velmar::CircularDialogTemplate();
    const velmar::DialogUnits units(dialog_->font());
    QCOMPARE(dialog_->size(), units.ToPixels(dialog.width, dialog.height));
    QCOMPARE(dialog_->windowTitle(), QStringLiteral("Параметры КС типа Циркулянт"));
    for (const velmar::TemplateControl& control : dialog.controls) {
      if (control.id == velmar::IDC_STATIC) continue;
      QWidget* widget = Control<QWidget>(*dialog_, control.id);
      QVERIFY2(widget != nullptr, qPrintable(QString::number(control.id)));
      QCOMPARE(widget->geometry(), units.ToPixels(control.rect.x, control.rect.y,
                                                  control.rect.width, control.rect.height));
    }
  }

  void tabOrderFollowsTheTemplateAndFocusStartsOnOk() {
    dialog_->show();
    auto* ok = Control<QPushButton>(*dialog_, velmar::IDOK);
    QCOMPARE(dialog_->focusWidget(), ok);
    QVERIFY(ok->isDefault());
    QList<int> order;
    QWidget* widget = ok;
    do {
      if (widget->focusPolicy() & Qt::TabFocus) order << widget->property("controlId").toInt();
      widget = widget->nextInFocusChain();
    } while (widget != ok);
    QCOMPARE(order, (QList<int>{1, 2, 1000, 1001, 1002, 1003, 1004, 1005, 1006}));
  }

  void tabWalksTheWholeCycleOverFilledGrids() {
    ShowActive();
    Build("37", "1 3 11 13 17");
    Control<QPushButton>(*dialog_, velmar::IDOK)->setFocus();
    const QList<int> forward{1, 2, 1000, 1001, 1002, 1003, 1004, 1005, 1006, 1};
    QList<int> visited{FocusId()};
    for (int i = 1; i < forward.size(); ++i) {
      QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
      visited << FocusId();
    }
    QCOMPARE(visited, forward);
    visited = {FocusId()};
    for (int i = 1; i < forward.size(); ++i) {
      QTest::keyClick(QApplication::focusWidget(), Qt::Key_Backtab, Qt::ShiftModifier);
      visited << FocusId();
    }
    QList<int> backward(forward.rbegin(), forward.rend());
    QCOMPARE(visited, backward);
  }

  void keysMoveBetweenCellsInsideAGrid_data() {
    QTest::addColumn<int>("id");
    QTest::addColumn<int>("key");
    QTest::addColumn<int>("modifiers");
    QTest::addColumn<int>("row");
    QTest::addColumn<int>("column");
    const int none = Qt::NoModifier;
    const int ctrl = Qt::ControlModifier;
    for (int id : {velmar::IDC_LIST_ADJACENCY, velmar::IDC_LIST_DISTANCE}) {
      const QByteArray grid = id == velmar::IDC_LIST_ADJACENCY ? "adjacency " : "distance ";
      QTest::newRow(grid + "right") << id << int(Qt::Key_Right) << none << 5 << 6;
      QTest::newRow(grid + "left") << id << int(Qt::Key_Left) << none << 5 << 4;
      QTest::newRow(grid + "down") << id << int(Qt::Key_Down) << none << 6 << 5;
      QTest::newRow(grid + "up") << id << int(Qt::Key_Up) << none << 4 << 5;
      QTest::newRow(grid + "home") << id << int(Qt::Key_Home) << none << 5 << 0;
      QTest::newRow(grid + "end") << id << int(Qt::Key_End) << none << 5 << 36;
      QTest::newRow(grid + "ctrl+home") << id << int(Qt::Key_Home) << ctrl << 0 << 0;
      QTest::newRow(grid + "ctrl+end") << id << int(Qt::Key_End) << ctrl << 36 << 36;
      QTest::newRow(grid + "page up") << id << int(Qt::Key_PageUp) << none << 0 << 5;
    }
  }
  void keysMoveBetweenCellsInsideAGrid() {
    QFETCH(int, id);
    QFETCH(int, key);
    QFETCH(int, modifiers);
    QFETCH(int, row);
    QFETCH(int, column);
    ShowActive();
    Build("37", "1 3 11 13 17");
    auto* grid = Control<QTableView>(*dialog_, id);
    grid->setFocus();
    grid->setCurrentIndex(grid->model()->index(5, 5));
    QTest::keyClick(grid, Qt::Key(key), Qt::KeyboardModifiers(modifiers));
    QCOMPARE(grid->currentIndex().row(), row);
    QCOMPARE(grid->currentIndex().column(), column);
    QCOMPARE(QApplication::focusWidget(), grid);
  }

  void pageDownMovesDownAGridAndTheList() {
    ShowActive();
    Build("37", "1 3 11 13 17");
    auto* grid = Control<QTableView>(*dialog_, velmar::IDC_LIST_DISTANCE);
    grid->setFocus();
    grid->setCurrentIndex(grid->model()->index(0, 3));
    QTest::keyClick(grid, Qt::Key_PageDown);
    QVERIFY(grid->currentIndex().row() > 0);
    QCOMPARE(grid->currentIndex().column(), 3);
    auto* list = Control<QListWidget>(*dialog_, velmar::IDC_LIST_AVERDIAM);
    list->setFocus();
    list->setCurrentRow(0);
    QTest::keyClick(list, Qt::Key_Down);
    QCOMPARE(list->currentRow(), 1);
    QTest::keyClick(list, Qt::Key_End);
    QCOMPARE(list->currentRow(), 36);
    QCOMPARE(QApplication::focusWidget(), list);
  }

  void averDiamListCutsLongLinesWithoutAHorizontalBar() {
    ShowActive();
    Build("10", "1");  // ten lines of "238609296.33333", wider than the list
    auto* list = Control<QListWidget>(*dialog_, velmar::IDC_LIST_AVERDIAM);
    QTRY_VERIFY(list->verticalScrollBar()->isVisible());
    QVERIFY(!list->horizontalScrollBar()->isVisible());
    // No bar below the lines: the whole inner height shows lines.
    QCOMPARE(list->viewport()->height(), list->height() - 2 * list->frameWidth());
    QVERIFY(list->visualItemRect(list->item(0)).height() * 3 <= list->viewport()->height());
    // Cut, not shortened with an ellipsis: the digits run into the right edge.
    const QImage image = list->viewport()->grab().toImage();
    const QRect line = list->visualItemRect(list->item(0));
    const int edge = image.width();
    QVERIFY(QFontMetrics(list->font()).horizontalAdvance(list->item(0)->text()) > edge);
    QVERIFY(HasInkIn(image, edge - 4, edge, line.top(), line.bottom()));
  }

  void startsEmpty() {
    dialog_->show();
    QVERIFY(Control<QLineEdit>(*dialog_, velmar::IDC_EDIT_VERTICES)->text().isEmpty());
    QVERIFY(Control<QLineEdit>(*dialog_, velmar::IDC_EDIT_DIAMETER)->text().isEmpty());
    QCOMPARE(Control<QTableView>(*dialog_, velmar::IDC_LIST_ADJACENCY)->model()->columnCount(), 0);
    QCOMPARE(Control<QListWidget>(*dialog_, velmar::IDC_LIST_AVERDIAM)->count(), 0);
  }

  void buildFillsGridsFieldsListAndDocument() {
    Build("8", "1 2");
    auto* adjacency = Control<QTableView>(*dialog_, velmar::IDC_LIST_ADJACENCY);
    auto* distance = Control<QTableView>(*dialog_, velmar::IDC_LIST_DISTANCE);
    QCOMPARE(adjacency->model()->rowCount(), 8);
    QCOMPARE(adjacency->model()->columnCount(), 8);
    for (int i = 0; i < 8; ++i) QCOMPARE(Cell(adjacency, i, i), QStringLiteral("0"));
    QStringList row0;
    for (int c = 0; c < 8; ++c) row0 << Cell(adjacency, 0, c);
    QCOMPARE(row0.join(' '), QStringLiteral("0 1 1 0 0 0 1 1"));
    QStringList distances;
    for (int c = 0; c < 8; ++c) distances << Cell(distance, 0, c);
    QCOMPARE(distances.join(' '), QStringLiteral("0 1 1 2 2 2 1 1"));
    QCOMPARE(adjacency->model()->index(3, 4).data(Qt::TextAlignmentRole).toInt(),
             int(Qt::AlignCenter));
    QCOMPARE(Control<QLineEdit>(*dialog_, velmar::IDC_EDIT_DIAMETER)->text(), QStringLiteral("2"));
    QCOMPARE(Lines(Control<QListWidget>(*dialog_, velmar::IDC_LIST_AVERDIAM)),
             QStringList(8, QStringLiteral("  1.42857")));
    QCOMPARE(document_->GetVertexCount(), 8);
    QCOMPARE(document_->GetMatrix()->at(0, 6), 1);
    QCOMPARE(document_->GetMatrix()->at(0, 3), 0);
    QCOMPARE(view_.updates, 1);
    QCOMPARE(dialog_->Vertices(), 8);
    QCOMPARE(dialog_->Generators(), 2);
    QCOMPARE(dialog_->Diameter(), 2);
    QCOMPARE(dialog_->AverDiam(), 10.0 / 7.0);
  }

  void secondBuildAddsLinesSorted() {
    Build("9", "1 3");  // built first so that sorting, not order, puts it last
    Build("8", "1 2");
    Build("9", "1 3");
    const QStringList lines = Lines(Control<QListWidget>(*dialog_, velmar::IDC_LIST_AVERDIAM));
    QCOMPARE(lines.size(), 8 + 9 + 9);
    QCOMPARE(lines.mid(0, 8), QStringList(8, QStringLiteral("  1.42857")));
    QCOMPARE(lines.mid(8), QStringList(18, QStringLiteral("  1.50000")));
    QCOMPARE(Control<QTableView>(*dialog_, velmar::IDC_LIST_ADJACENCY)->model()->rowCount(), 9);
    QCOMPARE(document_->GetVertexCount(), 9);
  }

  void farPairsShowCutShortInUnwidenedColumns() {
    Build("10", "1");
    auto* distance = Control<QTableView>(*dialog_, velmar::IDC_LIST_DISTANCE);
    auto* adjacency = Control<QTableView>(*dialog_, velmar::IDC_LIST_ADJACENCY);
    QCOMPARE(Cell(distance, 0, 5), QStringLiteral("2147483647"));
    QCOMPARE(Control<QLineEdit>(*dialog_, velmar::IDC_EDIT_DIAMETER)->text(),
             QStringLiteral("2147483647"));
    QCOMPARE(Lines(Control<QListWidget>(*dialog_, velmar::IDC_LIST_AVERDIAM)),
             QStringList(10, QStringLiteral("238609296.33333")));
    const QFontMetrics metrics(adjacency->font());
    for (int c = 0; c < 10; ++c) {
      QCOMPARE(adjacency->horizontalHeader()->sectionSize(c),
               metrics.horizontalAdvance(QStringLiteral(" 00 ")));
      QCOMPARE(distance->horizontalHeader()->sectionSize(c),
               metrics.horizontalAdvance(QStringLiteral(" 000 ")));
    }
    QVERIFY(distance->horizontalHeader()->sectionSize(5) <
            metrics.horizontalAdvance(QStringLiteral("2147483647")));
  }

  // The mark of a far pair is the longest text D can have: it must show
  // whole, from its first digit, in the field at its template size.
  void diameterFieldShowsTheFarMarkWhole() {
    dialog_->show();
    auto* field = Control<QLineEdit>(*dialog_, velmar::IDC_EDIT_DIAMETER);
    const QSize templateSize = field->size();
    Build("99", "1");
    QCOMPARE(field->text(), QStringLiteral("2147483647"));
    QCOMPARE(field->size(), templateSize);
    const int textWidth = QFontMetrics(field->font()).horizontalAdvance(field->text());
    QVERIFY2(textWidth <= FieldTextRoom(*field),
             qPrintable(QStringLiteral("%1 > %2").arg(textWidth).arg(FieldTextRoom(*field))));
    QCOMPARE(field->cursorPosition(), 0);
    // The ink spans the whole text and starts at the field's left edge.
    const QImage image = field->grab().toImage();
    int first = image.width();
    int last = -1;
    for (int x = 3; x < image.width() - 3; ++x) {
      if (HasInkIn(image, x, x + 1, 3, image.height() - 3)) {
        first = std::min(first, x);
        last = x;
      }
    }
    QVERIFY2(first <= 6, qPrintable(QString::number(first)));
    QVERIFY2(last - first + 1 >= textWidth - 3,
             qPrintable(QStringLiteral("%1 of %2").arg(last - first + 1).arg(textWidth)));
  }

  void refusedInputKeepsEarlierResults_data() {
    QTest::addColumn<QString>("vertices");
    QTest::addColumn<QString>("generators");
    QTest::addColumn<QString>("message");
    QTest::newRow("empty count") << ""
                                 << "1 2" << kVertexMessage;
    QTest::newRow("zero") << "0"
                          << "1" << kVertexMessage;
    QTest::newRow("letters") << "ab"
                             << "" << kVertexMessage;
    QTest::newRow("even generators") << "8"
                                     << "2 4" << kGeneratorMessage;
    QTest::newRow("half ring") << "6"
                               << "3" << kGeneratorMessage;
    QTest::newRow("blank generators") << "8"
                                      << "   " << kGeneratorMessage;
    QTest::newRow("zero behind a one") << "8"
                                       << "1 0" << kGeneratorMessage;
  }
  void refusedInputKeepsEarlierResults() {
    QFETCH(QString, vertices);
    QFETCH(QString, generators);
    QFETCH(QString, message);
    Build("8", "1 2");
    const velmar::AdjacencyMatrix held = *document_->GetMatrix();
    MessageCapture capture;
    SetTexts(vertices, generators);
    dialog_->OnBnClickedBuild();
    QCOMPARE(capture.Texts(), QStringList{message});
    QCOMPARE(capture.messages.front().caption, QStringLiteral("Velmar"));
    QCOMPARE(capture.messages.front().icon, velmar::MessageIcon::None);
    QCOMPARE(Control<QTableView>(*dialog_, velmar::IDC_LIST_ADJACENCY)->model()->rowCount(), 0);
    QCOMPARE(Control<QTableView>(*dialog_, velmar::IDC_LIST_DISTANCE)->model()->columnCount(), 0);
    QCOMPARE(Control<QLineEdit>(*dialog_, velmar::IDC_EDIT_DIAMETER)->text(), QStringLiteral("2"));
    QCOMPARE(Control<QListWidget>(*dialog_, velmar::IDC_LIST_AVERDIAM)->count(), 8);
    QCOMPARE(Control<QLineEdit>(*dialog_, velmar::IDC_EDIT_VERTICES)->text(), vertices);
    QCOMPARE(Control<QLineEdit>(*dialog_, velmar::IDC_EDIT_GENERATORS)->text(), generators);
    QCOMPARE(document_->GetVertexCount(), 8);
    QCOMPARE(*document_->GetMatrix(), held);
    QCOMPARE(dialog_->Diameter(), 2);
    if (message == QLatin1String(kVertexMessage)) QCOMPARE(dialog_->Vertices(), 0);
    QCOMPARE(view_.updates, 1);
  }

  void vertexFieldTakesTwoCharacters() {
    dialog_->show();
    auto* vertices = Control<QLineEdit>(*dialog_, velmar::IDC_EDIT_VERTICES);
    QTest::keyClicks(vertices, QStringLiteral("123"));
    QCOMPARE(vertices->text(), QStringLiteral("12"));
    vertices->clear();
    QGuiApplication::clipboard()->setText(QStringLiteral("4567"));
    vertices->paste();
    QCOMPARE(vertices->text(), QStringLiteral("45"));
  }

  void buildButtonRunsTheBuild() {
    dialog_->show();
    SetTexts(QStringLiteral("5"), QStringLiteral("1"));
    QTest::mouseClick(Control<QPushButton>(*dialog_, velmar::IDC_BUTTON_BUILD), Qt::LeftButton);
    QCOMPARE(document_->GetVertexCount(), 5);
    QCOMPARE(Control<QLineEdit>(*dialog_, velmar::IDC_EDIT_DIAMETER)->text(), QStringLiteral("2"));
  }

  void keysCloseWithoutBuilding_data() {
    QTest::addColumn<int>("key");
    QTest::addColumn<int>("result");
    QTest::newRow("enter") << int(Qt::Key_Return) << int(QDialog::Accepted);
    QTest::newRow("escape") << int(Qt::Key_Escape) << int(QDialog::Rejected);
  }
  void keysCloseWithoutBuilding() {
    QFETCH(int, key);
    QFETCH(int, result);
    dialog_->show();
    SetTexts(QStringLiteral("8"), QStringLiteral("1 2"));
    auto* generators = Control<QLineEdit>(*dialog_, velmar::IDC_EDIT_GENERATORS);
    generators->setFocus();
    QTest::keyClick(generators, Qt::Key(key));
    QVERIFY(!dialog_->isVisible());
    QCOMPARE(dialog_->result(), result);
    QCOMPARE(document_->GetVertexCount(), 0);
  }

  void enterInAFilledGridOrTheListClosesAsOk_data() {
    QTest::addColumn<int>("id");
    QTest::newRow("adjacency") << int(velmar::IDC_LIST_ADJACENCY);
    QTest::newRow("distance") << int(velmar::IDC_LIST_DISTANCE);
    QTest::newRow("aved list") << int(velmar::IDC_LIST_AVERDIAM);
  }
  void enterInAFilledGridOrTheListClosesAsOk() {
    QFETCH(int, id);
    ShowActive();
    Build("37", "1 3 11 13 17");
    QWidget* control = Control<QWidget>(*dialog_, id);
    control->setFocus();
    QTest::keyClick(control, Qt::Key_Return);
    QVERIFY(!dialog_->isVisible());
    QCOMPARE(dialog_->result(), int(QDialog::Accepted));
  }

  void closingKeepsTheLastBuild_data() {
    QTest::addColumn<int>("button");
    QTest::newRow("ok") << int(velmar::IDOK);
    QTest::newRow("cancel") << int(velmar::IDCANCEL);
  }
  void closingKeepsTheLastBuild() {
    QFETCH(int, button);
    dialog_->show();
    Build("9", "1 3");
    QTest::mouseClick(Control<QPushButton>(*dialog_, button), Qt::LeftButton);
    QVERIFY(!dialog_->isVisible());
    QCOMPARE(document_->GetVertexCount(), 9);
  }

  void buildWithoutDocumentStillShowsResults() {
    dialog_->SetDocument(nullptr);
    Build("8", "1 2");
    QCOMPARE(Control<QLineEdit>(*dialog_, velmar::IDC_EDIT_DIAMETER)->text(), QStringLiteral("2"));
  }

 private:
  void ShowActive() {
    dialog_->show();
    dialog_->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(dialog_.get()));
  }
  void SetTexts(const QString& vertices, const QString& generators) {
    Control<QLineEdit>(*dialog_, velmar::IDC_EDIT_VERTICES)->setText(vertices);
    Control<QLineEdit>(*dialog_, velmar::IDC_EDIT_GENERATORS)->setText(generators);
  }
  void Build(const char* vertices, const char* generators) {
    SetTexts(QString::fromUtf8(vertices), QString::fromUtf8(generators));
    MessageCapture capture;
    dialog_->OnBnClickedBuild();
    QVERIFY2(capture.messages.isEmpty(), qPrintable(capture.Texts().join(',')));
  }

  std::unique_ptr<CCircularDlg> dialog_;
  std::unique_ptr<CVelmarDoc> document_;
  CountingView view_;
};

QTEST_MAIN(TestCircularDlg)
#include "tst_circulardlg.moc"
