// The services every window relies on: activation, closing, the controls'
// click rules, the grid, the image canvas and the integer conversion.
#include <QDialog>
#include <QLineEdit>
#include <QSignalSpy>
#include <QtTest>

#include "core/contrast.h"
#include "core/recording_canvas.h"
#include "forms/combobox.h"
#include "forms/controls.h"
#include "forms/conversion.h"
#include "forms/form.h"
#include "forms/gridcell.h"
#include "forms/image.h"
#include "forms/program.h"
#include "forms/radiogroup.h"
#include "forms/stringgrid.h"
#include "forms/tests/fixed_cells.h"
#include "forms/tests/outside_focus.h"
#include "forms/tests/tab_cycle.h"

using namespace kestrun;

namespace {

class CountingForm : public Form {
 public:
  CountingForm() : Form(QStringLiteral("Окно"), QRect(100, 120, 300, 200)) {}
  int activations = 0;

 protected:
  void FormActivate() override { ++activations; }
};

QRgb Pixel(const Image& image, int x, int y) { return image.picture().pixel(x, y) & 0xFFFFFF; }

}  // namespace

class FormLayerTest : public QObject {
  Q_OBJECT

 private slots:
  void createdHiddenAtItsRectangle();
  void showActivatesOnceAndClickingBackActivatesAgain();
  void focusFromOutsideTheProgramRunsNothing();
  void platformReportsOfAProgramMoveRunOnce();
  void hiddenAndShownWhileActiveRunsOnce();
  void lateReportForAHiddenWindowRunsNothing();
  void closingOnlyTheMainWindowEndsTheProgram();
  void radioGroupClicksOnlyOnAUserChange();
  void comboBoxClicksOnlyWhenAnItemIsPicked();
  void stringGridResizesAndKeepsCells();
  void tabLeavesAFilledGrid();
  void keysMoveOnlyBetweenCellsThatAreNotFixed();
  void aClickOnAFixedCellMakesNoCurrentCell();
  void fixedRowAndColumnStayWhileTheCellsScroll();
  void theCurrentCellNeverHidesUnderTheFixedCells();
  void everyTwoDigitNumberFitsAFifteenPixelColumn();
  void gridFontIsNarrowedOnlyAsFarAsNeeded();
  void enterAndSpacePressAFocusedButton();
  void imageCanvasDrawsAndReportsEveryOperation();
  void colouredLabelReadsOnAnyWindow_data();
  void colouredLabelReadsOnAnyWindow();
  void parseInteger_data();
  void parseInteger();
  void failedConversionShowsTheMessage();
};

void FormLayerTest::createdHiddenAtItsRectangle() {
  CountingForm form;
  QVERIFY(!form.isVisible());
  QCOMPARE(form.activations, 0);
  QCOMPARE(form.pos(), QPoint(100, 120));
  QCOMPARE(form.OuterRect(), QRect(100, 120, 300, 200));
  QCOMPARE(form.font().pixelSize(), 11);
  QVERIFY(QFontInfo(form.font()).family().contains(QStringLiteral("Sans")));
}

void FormLayerTest::showActivatesOnceAndClickingBackActivatesAgain() {
  CountingForm first;
  CountingForm second;
  first.Show();
  QVERIFY(first.isVisible());
  QCOMPARE(first.activations, 1);
  // The platform's own late report of the same activation adds nothing.
  QCoreApplication::processEvents();
  QCOMPARE(first.activations, 1);

  second.Show();
  QCOMPARE(second.activations, 1);
  QCOMPARE(first.activations, 1);

  // A click back into the first window makes it active again.
  QApplication::setActiveWindow(&first);
  QCOMPARE(first.activations, 2);
  first.Show();  // already active: nothing more
  QCOMPARE(first.activations, 2);
}

void FormLayerTest::focusFromOutsideTheProgramRunsNothing() {
  CountingForm form;
  form.Show();
  QCOMPARE(form.activations, 1);

  QVERIFY(testing::ForeignWindowTakesTheFocus(form));
  QCOMPARE(form.activations, 1);
  QVERIFY(testing::ApplicationLeftAndReentered(form));
  QCOMPARE(form.activations, 1);

  // A dialog or message box of the program is no window of the wizard either.
  QDialog dialog(&form);
  dialog.show();
  QApplication::setActiveWindow(&dialog);
  QVERIFY(!form.isActiveWindow());
  dialog.close();
  QApplication::setActiveWindow(&form);
  QCOMPARE(form.activations, 1);
}

void FormLayerTest::platformReportsOfAProgramMoveRunOnce() {
  CountingForm first;
  CountingForm second;
  first.Show();
  QCoreApplication::processEvents();  // the platform's own reports of the shows
  second.Show();
  QCoreApplication::processEvents();
  QCOMPARE(first.activations, 1);

  // The user clicks into the first window; the platform reports it late.
  first.activateWindow();
  QVERIFY(QTest::qWaitForWindowActive(&first));
  QTRY_VERIFY(first.isActiveWindow());
  QCoreApplication::processEvents();
  QCOMPARE(first.activations, 2);
  QCOMPARE(second.activations, 1);

  // Leaving the program from there and coming back is still no move.
  QVERIFY(testing::FocusLeavesTheProgramAndComesBack(first));
  QCOMPARE(first.activations, 2);
}

void FormLayerTest::hiddenAndShownWhileActiveRunsOnce() {
  CountingForm form;
  form.Show();
  form.Hide();
  form.Show();
  QCoreApplication::processEvents();
  QCOMPARE(form.activations, 2);
}

void FormLayerTest::lateReportForAHiddenWindowRunsNothing() {
  // A button shows the second window and hides the first, whose activation
  // the platform reports only afterwards.
  CountingForm first;
  CountingForm second;
  first.Show();
  second.Show();
  first.Hide();
  QApplication::setActiveWindow(&first);
  QCOMPARE(first.activations, 1);
  // Nor does the hidden window count as one that had the focus.
  QApplication::setActiveWindow(&second);
  QCoreApplication::processEvents();
  QCOMPARE(second.activations, 1);
}

void FormLayerTest::closingOnlyTheMainWindowEndsTheProgram() {
  int quits = 0;
  const QuitHandler previous = SetQuitHandler([&] { ++quits; });
  CountingForm main;
  CountingForm other;
  main.SetMainWindow(true);
  main.Show();
  other.Show();

  QVERIFY(other.close());
  QVERIFY(!other.isVisible());
  QCOMPARE(quits, 0);
  QVERIFY(main.isVisible());

  other.Show();  // a closed window can still be shown again
  QVERIFY(other.isVisible());

  main.close();
  QCOMPARE(quits, 1);
  SetQuitHandler(previous);
}

void FormLayerTest::radioGroupClicksOnlyOnAUserChange() {
  QWidget parent;
  RadioGroup group(&parent, QStringLiteral("Тип"), {"a", "b", "c"}, QRect(0, 0, 100, 80));
  QSignalSpy clicks(&group, &RadioGroup::Click);
  QCOMPARE(group.ItemIndex(), -1);

  group.Item(1)->click();
  QCOMPARE(group.ItemIndex(), 1);
  QCOMPARE(clicks.count(), 1);

  group.Item(1)->click();  // the same item again
  QCOMPARE(clicks.count(), 1);

  group.Item(2)->click();
  QCOMPARE(clicks.count(), 2);

  group.SetItemIndex(-1);
  QCOMPARE(group.ItemIndex(), -1);
  for (int i = 0; i < group.Count(); ++i) QVERIFY(!group.Item(i)->isChecked());
  group.SetItemIndex(0);
  QCOMPARE(group.ItemIndex(), 0);
  QCOMPARE(clicks.count(), 2);

  // After clearing, choosing the item that was checked before is a change.
  group.SetItemIndex(-1);
  group.Item(0)->click();
  QCOMPARE(clicks.count(), 3);
}

void FormLayerTest::comboBoxClicksOnlyWhenAnItemIsPicked() {
  QWidget parent;
  ComboBox combo(&parent, {"2", "4", "8"}, QRect(0, 0, 113, 21));
  QSignalSpy clicks(&combo, &ComboBox::Click);
  QCOMPARE(combo.Text(), QString());
  QCOMPARE(combo.count(), 3);

  QTest::keyClicks(&combo, "16");
  QCOMPARE(combo.Text(), QStringLiteral("16"));
  QTest::keyClick(&combo, Qt::Key_Return);
  QCOMPARE(clicks.count(), 0);
  QCOMPARE(combo.count(), 3);  // typing never adds items

  combo.SetText(QStringLiteral("x"));
  QCOMPARE(clicks.count(), 0);

  // Typing an item's text and leaving the box is still typing.
  QLineEdit other(&parent);
  parent.show();
  combo.setFocus();
  combo.SetText(QString());
  QTest::keyClicks(&combo, "4");
  other.setFocus();
  QFocusEvent focusOut(QEvent::FocusOut, Qt::TabFocusReason);
  QCoreApplication::sendEvent(combo.lineEdit(), &focusOut);
  QCOMPARE(clicks.count(), 0);
  combo.SetText(QStringLiteral("x"));

  QTest::keyClick(&combo, Qt::Key_Down);  // choosing from the list
  QCOMPARE(clicks.count(), 1);
  QCOMPARE(combo.Text(), QStringLiteral("2"));
}

void FormLayerTest::stringGridResizesAndKeepsCells() {
  QWidget parent;
  StringGrid grid(&parent, QRect(0, 0, 113, 153), 5, 5, 15, 15);
  QCOMPARE(grid.ColCount(), 5);
  QCOMPARE(grid.RowCount(), 5);
  QCOMPARE(grid.columnWidth(3), 15);
  QCOMPARE(grid.rowHeight(3), 15);

  grid.SetCell(1, 2, QStringLiteral("x"));
  grid.SetRowCount(33);
  grid.SetColCount(6);
  QCOMPARE(grid.Cell(1, 2), QStringLiteral("x"));
  QCOMPARE(grid.model()->data(grid.model()->index(2, 1)).toString(), QStringLiteral("x"));
  grid.SetCell(5, 32, QStringLiteral("1"));
  QCOMPARE(grid.Cell(5, 32), QStringLiteral("1"));

  grid.SetRowCount(2);
  QCOMPARE(grid.Cell(5, 32), QString());
  grid.SetCell(0, 40, QStringLiteral("lost"));  // outside: ignored
  QCOMPARE(grid.RowCount(), 2);

  const auto background = [&](int row, int col) {
    return grid.model()->data(grid.model()->index(row, col), Qt::BackgroundRole).value<QBrush>();
  };
  QCOMPARE(background(0, 3), QApplication::palette().button());
  QCOMPARE(background(1, 0), QApplication::palette().button());
  QCOMPARE(background(1, 1), QApplication::palette().base());
}

namespace {

// A window with a button before and after a grid of 6 columns and 33 rows,
// filled like the hypercube's table.
struct GridWindow {
  CountingForm form;
  QPushButton* before = MakeButton(&form, QStringLiteral("До"), QRect(8, 8, 75, 25));
  StringGrid* grid = new StringGrid(&form, QRect(8, 40, 113, 153), 5, 5, 15, 15);
  QPushButton* after = MakeButton(&form, QStringLiteral("После"), QRect(8, 200, 75, 25));

  GridWindow() {
    SetTabOrder({before, grid, after});
    grid->SetColCount(6);
    grid->SetRowCount(33);
    for (int row = 1; row < 33; ++row) {
      for (int col = 0; col < 6; ++col) grid->SetCell(col, row, QString::number(row - 1));
    }
    form.Show();
  }
  QPoint Current() const { return {grid->currentIndex().column(), grid->currentIndex().row()}; }
  void Press(Qt::Key key, Qt::KeyboardModifiers modifiers = Qt::NoModifier) {
    QTest::keyClick(grid, key, modifiers);
  }
};

}  // namespace

void FormLayerTest::tabLeavesAFilledGrid() {
  GridWindow window;
  using testing::TabCycle;
  const std::vector<QWidget*> forward{window.before, window.grid, window.after};
  QCOMPARE(TabCycle(window.form, window.before, true), forward);
  const std::vector<QWidget*> backward{window.before, window.after, window.grid};
  QCOMPARE(TabCycle(window.form, window.before, false), backward);

  // Also after moving about in the grid: one press leaves it.
  window.grid->setFocus(Qt::TabFocusReason);
  window.Press(Qt::Key_Down);
  window.Press(Qt::Key_Right);
  QTest::keyClick(window.grid, Qt::Key_Tab);
  QCOMPARE(QApplication::focusWidget(), window.after);
  window.grid->setFocus(Qt::TabFocusReason);
  QTest::keyClick(window.grid, Qt::Key_Tab, Qt::ShiftModifier);
  QCOMPARE(QApplication::focusWidget(), window.before);
}

void FormLayerTest::keysMoveOnlyBetweenCellsThatAreNotFixed() {
  GridWindow window;
  window.grid->setFocus(Qt::TabFocusReason);
  QCOMPARE(window.Current(), QPoint(1, 1));  // the focus lands on the first free cell

  window.Press(Qt::Key_Up);
  QCOMPARE(window.Current(), QPoint(1, 1));
  window.Press(Qt::Key_Left);
  QCOMPARE(window.Current(), QPoint(1, 1));
  window.Press(Qt::Key_Right);
  window.Press(Qt::Key_Down);
  QCOMPARE(window.Current(), QPoint(2, 2));
  window.Press(Qt::Key_End);
  QCOMPARE(window.Current(), QPoint(5, 2));
  window.Press(Qt::Key_Home);
  QCOMPARE(window.Current(), QPoint(1, 2));
  window.Press(Qt::Key_PageDown);
  QVERIFY(window.Current().y() > 2);
  window.Press(Qt::Key_End, Qt::ControlModifier);
  QCOMPARE(window.Current(), QPoint(5, 32));
  for (int page = 0; page < 8; ++page) window.Press(Qt::Key_PageUp);
  QCOMPARE(window.Current(), QPoint(5, 1));
  window.Press(Qt::Key_Home, Qt::ControlModifier);
  QCOMPARE(window.Current(), QPoint(1, 1));

  // Resizing forgets the current cell; the next key starts again at (1, 1).
  window.grid->SetRowCount(3);
  window.Press(Qt::Key_Down);
  QCOMPARE(window.Current(), QPoint(1, 1));

  // A grid that is all fixed cells has no current cell at all.
  window.grid->SetRowCount(1);
  window.Press(Qt::Key_Down);
  QVERIFY(!window.grid->currentIndex().isValid());
}

void FormLayerTest::aClickOnAFixedCellMakesNoCurrentCell() {
  GridWindow window;
  const auto click = [&](int col, int row) {
    const QRect cell = window.grid->visualRect(window.grid->model()->index(row, col));
    QTest::mouseClick(window.grid->viewport(), Qt::LeftButton, {}, cell.center());
  };
  click(0, 3);
  click(2, 0);
  QVERIFY(!window.grid->currentIndex().isValid());
  click(2, 3);
  QCOMPARE(window.Current(), QPoint(2, 3));
  click(0, 5);
  QCOMPARE(window.Current(), QPoint(2, 3));
}

void FormLayerTest::fixedRowAndColumnStayWhileTheCellsScroll() {
  GridWindow window;
  StringGrid& grid = *window.grid;
  grid.SetColCount(12);  // wider than the grid: it scrolls both ways
  for (int col = 0; col < 12; ++col) grid.SetCell(col, 0, QString(QChar(u'A' + col)));
  for (int row = 1; row < 33; ++row) {
    for (int col = 0; col < 12; ++col) grid.SetCell(col, row, QString::number(row - 1));
  }
  QVERIFY(grid.verticalScrollBar()->maximum() > 0);
  QVERIFY(grid.horizontalScrollBar()->maximum() > 0);
  testing::VerifyFixedCellsStay(grid);

  // Row 0 goes sideways with its columns, column 0 up and down with its rows.
  grid.horizontalScrollBar()->setValue(grid.horizontalScrollBar()->maximum());
  grid.verticalScrollBar()->setValue(grid.verticalScrollBar()->maximum());
  const QPoint pastCorner(grid.columnWidth(0) + 1, grid.rowHeight(0) + 1);
  const QModelIndex heading = grid.indexAt(QPoint(pastCorner.x(), 1));
  QCOMPARE(heading.row(), 0);
  QVERIFY(heading.column() > 1);
  const QModelIndex number = grid.indexAt(QPoint(1, pastCorner.y()));
  QCOMPARE(number.column(), 0);
  QVERIFY(number.row() > 1);
  QCOMPARE(grid.indexAt(QPoint(1, 1)), grid.model()->index(0, 0));
  // A click on the heading over scrolled cells hits the heading.
  QTest::mouseClick(grid.viewport(), Qt::LeftButton, {}, QPoint(pastCorner.x(), 1));
  QVERIFY(!grid.currentIndex().isValid());
}

void FormLayerTest::theCurrentCellNeverHidesUnderTheFixedCells() {
  GridWindow window;
  StringGrid& grid = *window.grid;
  grid.SetColCount(12);
  grid.setFocus(Qt::TabFocusReason);
  const auto uncovered = [&] {
    const QRect cell = grid.visualRect(grid.currentIndex());
    return cell.top() >= grid.rowHeight(0) && cell.left() >= grid.columnWidth(0) &&
           cell.bottom() < grid.viewport()->height() && cell.right() < grid.viewport()->width();
  };
  window.Press(Qt::Key_End, Qt::ControlModifier);
  QCOMPARE(window.Current(), QPoint(11, 32));
  QVERIFY(uncovered());
  for (int step = 0; step < 31; ++step) {
    window.Press(Qt::Key_Up);
    QVERIFY2(uncovered(), qPrintable(QString::number(window.Current().y())));
  }
  for (int step = 0; step < 10; ++step) {
    window.Press(Qt::Key_Left);
    QVERIFY2(uncovered(), qPrintable(QString::number(window.Current().x())));
  }
  QCOMPARE(window.Current(), QPoint(1, 1));
  QCOMPARE(grid.verticalScrollBar()->value(), 0);
  QCOMPARE(grid.horizontalScrollBar()->value(), 0);
}

void FormLayerTest::everyTwoDigitNumberFitsAFifteenPixelColumn() {
  GridWindow window;
  const QFontMetrics metrics(window.grid->font());
  QCOMPARE(window.grid->font().pixelSize(), FormFont().pixelSize());  // as tall as the window's
  for (int n = 0; n < 100; ++n) {
    const QString text = QString::number(n);
    QVERIFY2(metrics.horizontalAdvance(text) + kCellTextIndent + kGridLineWidth <= 15,
             qPrintable(text));
  }

  // On screen: both digits of "26" stand inside their cell, the second one
  // whole (a cut glyph leaves fewer dark columns).
  window.grid->SetCell(0, 27, QStringLiteral("26"));
  window.grid->scrollTo(window.grid->model()->index(27, 0));
  const QRect cell = window.grid->visualRect(window.grid->model()->index(27, 0));
  const QImage shot = window.grid->viewport()->grab(cell).toImage();
  int firstInk = -1;
  int lastInk = -1;
  for (int x = 0; x < shot.width(); ++x) {
    for (int y = 0; y < shot.height() - kGridLineWidth; ++y) {
      if (qGray(shot.pixel(x, y)) < 128) {
        if (firstInk < 0) firstInk = x;
        lastInk = x;
        break;
      }
    }
  }
  QVERIFY(firstInk >= kCellTextIndent - 1);
  QVERIFY(lastInk < cell.width() - kGridLineWidth);
  QVERIFY2(lastInk - firstInk + 1 >= metrics.horizontalAdvance(QStringLiteral("26")) - 2,
           qPrintable(QStringLiteral("%1..%2").arg(firstInk).arg(lastInk)));
}

void FormLayerTest::gridFontIsNarrowedOnlyAsFarAsNeeded() {
  QFont font = FormFont();
  QCOMPARE(FitGridFont(font, 40, 2), font);  // wide enough already
  const QFont fitted = FitGridFont(font, 15, 2);
  QVERIFY(fitted.stretch() < font.stretch() || fitted.pixelSize() < font.pixelSize());
  // A column too narrow for any legible font still ends, at the smallest one.
  const QFont smallest = FitGridFont(font, 3, 2);
  QCOMPARE(smallest.pixelSize(), 9);
  QCOMPARE(smallest.stretch(), int{QFont::Condensed});
}

void FormLayerTest::enterAndSpacePressAFocusedButton() {
  CountingForm form;
  QPushButton* button = MakeButton(&form, QStringLiteral("Далее"), QRect(8, 8, 75, 25));
  form.Show();
  QSignalSpy clicks(button, &QPushButton::clicked);
  button->setFocus();
  QTest::keyClick(button, Qt::Key_Return);
  QCOMPARE(clicks.count(), 1);
  QTest::keyClick(button, Qt::Key_Enter, Qt::KeypadModifier);
  QCOMPARE(clicks.count(), 2);
  QTest::keyClick(button, Qt::Key_Space);
  QCOMPARE(clicks.count(), 3);
  button->setEnabled(false);
  QTest::keyClick(button, Qt::Key_Return);
  QCOMPARE(clicks.count(), 3);
}

// A label of a fixed colour keeps it on the light window it was drawn for and
// is lightened on a dark theme's window (Adwaita-dark, Breeze Dark) until it
// reads; its pixels are measured, not its palette.
void FormLayerTest::colouredLabelReadsOnAnyWindow_data() {
  QTest::addColumn<QColor>("window");
  QTest::addColumn<bool>("keepsRed");
  QTest::newRow("light") << QColor(239, 239, 239) << true;
  QTest::newRow("Adwaita-dark") << QColor(53, 53, 53) << false;
  QTest::newRow("Breeze Dark") << QColor(49, 54, 59) << false;
}

void FormLayerTest::colouredLabelReadsOnAnyWindow() {
  QFETCH(QColor, window);
  QFETCH(bool, keepsRed);
  const QPalette saved = QApplication::palette();
  QPalette theme = saved;
  theme.setColor(QPalette::Button, window);
  QApplication::setPalette(theme);
  CountingForm form;
  auto* label = new Label(&form, QStringLiteral("Сравнительная оценка"), QRect(8, 8, 200, 16),
                          {13, false, true, QColor(255, 0, 0)});
  QApplication::setPalette(saved);
  const QColor ink = label->palette().color(QPalette::WindowText);
  QCOMPARE(ink == QColor(255, 0, 0), keepsRed);
  const QImage shown = form.grab(label->geometry()).toImage();
  const auto rgb = [](const QColor& c) {
    return Rgb{std::uint8_t(c.red()), std::uint8_t(c.green()), std::uint8_t(c.blue())};
  };
  double best = 1;
  for (int y = 0; y < shown.height(); ++y) {
    for (int x = 0; x < shown.width(); ++x) {
      best = std::max(best, ContrastRatio(rgb(shown.pixelColor(x, y)), rgb(window)));
    }
  }
  QVERIFY2(best >= (keepsRed ? 3 : kReadableContrast), qPrintable(QString::number(best)));
}

void FormLayerTest::imageCanvasDrawsAndReportsEveryOperation() {
  QWidget parent;
  Image image(&parent, QRect(10, 10, 50, 40));
  QCOMPARE(image.picture().size(), QSize(50, 40));
  QCOMPARE(Pixel(image, 0, 0), 0xFFFFFFu);

  RecordingCanvas recorder;
  image.SetObserver(&recorder);
  Canvas& canvas = image.canvas();
  canvas.SetBrushColor(kRed);
  canvas.FillRect(0, 0, 10, 10);
  QCOMPARE(Pixel(image, 9, 9), 0xFF0000u);
  QCOMPARE(Pixel(image, 10, 9), 0xFFFFFFu);  // right edge excluded
  QCOMPARE(Pixel(image, 9, 10), 0xFFFFFFu);  // bottom edge excluded

  canvas.SetPenColor(kBlack);
  canvas.MoveTo(0, 20);
  canvas.LineTo(30, 20);
  QCOMPARE(Pixel(image, 15, 20), 0x000000u);
  canvas.LineTo(30, 35);  // continues from the pen position
  QCOMPARE(Pixel(image, 30, 28), 0x000000u);

  canvas.SetBrushColor(kWhite);
  canvas.TextOut(2, 24, "7");
  QCOMPARE(canvas.BrushColor(), kWhite);
  QCOMPARE(canvas.PenColor(), kBlack);

  const std::vector<CanvasOp> expected{
      {CanvasOp::Kind::Brush, 0, 0, 0, 0, kRed, {}},
      {CanvasOp::Kind::Fill, 0, 0, 10, 10, kRed, {}},
      {CanvasOp::Kind::Pen, 0, 0, 0, 0, kBlack, {}},
      {CanvasOp::Kind::Move, 0, 20, 0, 0, kBlack, {}},
      {CanvasOp::Kind::Line, 30, 20, 0, 0, kBlack, {}},
      {CanvasOp::Kind::Line, 30, 35, 0, 0, kBlack, {}},
      {CanvasOp::Kind::Brush, 0, 0, 0, 0, kWhite, {}},
      {CanvasOp::Kind::Text, 2, 24, 0, 0, kWhite, "7"},
  };
  QVERIFY(recorder.ops() == expected);

  image.SetObserver(nullptr);
  canvas.FillRect(0, 0, 1, 1);
  QCOMPARE(recorder.ops().size(), expected.size());
}

void FormLayerTest::parseInteger_data() {
  QTest::addColumn<QString>("text");
  QTest::addColumn<bool>("valid");
  QTest::addColumn<int>("value");
  QTest::newRow("plain") << "32" << true << 32;
  QTest::newRow("blanks") << "  8 " << true << 8;
  QTest::newRow("plus") << "+4" << true << 4;
  QTest::newRow("minus") << "-3" << true << -3;
  QTest::newRow("zero") << "0" << true << 0;
  QTest::newRow("max") << "2147483647" << true << 2147483647;
  QTest::newRow("min") << "-2147483648" << true << int(-2147483648LL);
  QTest::newRow("empty") << "" << false << 0;
  QTest::newRow("blank only") << "   " << false << 0;
  QTest::newRow("sign only") << "-" << false << 0;
  QTest::newRow("letters") << "abc" << false << 0;
  QTest::newRow("trailing junk") << "12x" << false << 0;
  QTest::newRow("inner blank") << "1 2" << false << 0;
  QTest::newRow("double sign") << "--1" << false << 0;
  QTest::newRow("too large") << "2147483648" << false << 0;
  QTest::newRow("huge") << "99999999999999999999999" << false << 0;
  QTest::newRow("fraction") << "2.5" << false << 0;
  QTest::newRow("cyrillic") << "два" << false << 0;
}

void FormLayerTest::parseInteger() {
  QFETCH(QString, text);
  QFETCH(bool, valid);
  QFETCH(int, value);
  const QByteArray utf8 = text.toUtf8();
  const auto parsed = ParseInteger(std::string_view(utf8.constData(), utf8.size()));
  QCOMPARE(parsed.has_value(), valid);
  if (valid) QCOMPARE(*parsed, value);
}

void FormLayerTest::failedConversionShowsTheMessage() {
  QStringList shown;
  const MessageSink previous = SetMessageSink([&](const QString& text) { shown << text; });
  QCOMPARE(StrToInt(QStringLiteral("16")), std::optional<std::int32_t>(16));
  QVERIFY(shown.isEmpty());
  QVERIFY(!StrToInt(QStringLiteral("abc")));
  QVERIFY(!StrToInt(QString()));
  QCOMPARE(shown, QStringList({QStringLiteral("'abc' is not a valid integer value"),
                               QStringLiteral("'' is not a valid integer value")}));
  SetMessageSink(previous);
}

QTEST_MAIN(FormLayerTest)
#include "tst_formlayer.moc"
