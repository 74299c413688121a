// The hypercube window as the user drives it: the draw button's enabled
// state, the table, the recorded drawing and the refusal of bad counts.
#include <QtTest>

#include "core/projection.h"
#include "core/recording_canvas.h"
#include "forms/program.h"
#include "forms/tests/fixed_cells.h"
#include "forms/tests/grid_fit.h"
#include "forms/tests/outside_focus.h"
#include "forms/tests/tab_cycle.h"
#include "unit2.h"

using namespace kestrun;

namespace {

QStringList Row(const StringGrid& grid, int row) {
  QStringList cells;
  for (int col = 0; col < grid.ColCount(); ++col) cells << grid.Cell(col, row);
  return cells;
}

bool AllWhite(const QImage& picture) {
  for (int y = 0; y < picture.height(); ++y) {
    for (int x = 0; x < picture.width(); ++x) {
      if ((picture.pixel(x, y) & 0xFFFFFF) != 0xFFFFFF) return false;
    }
  }
  return true;
}

}  // namespace

class Unit2Test : public QObject {
  Q_OBJECT

 private slots:
  void initTestCase();
  void init();
  void cleanup();
  void drawIsEnabledOnlyByPickingAnItem();
  void layoutOfTheWindow();
  void table_data();
  void table();
  void drawingStartsBlankAndRecordsTheHypercube();
  void notAnIntegerIsReportedAndTheTableStays_data();
  void notAnIntegerIsReportedAndTheTableStays();
  void countsOutsideOneToThirtyTwoAreRefused_data();
  void countsOutsideOneToThirtyTwoAreRefused();
  void activationAfterARedDrawingResetsThePen();
  void activationFromOutsideRunsNothing();
  void clickFromAnotherWindowOfTheProgramRunsOnce();
  void tabCycleWithAFilledTable();
  void everyNumberOfTheTableFitsItsColumn();
  void fixedRowAndColumnStayWhileTheTableScrolls();

 private:
  void Pick(const QString& item);

  std::unique_ptr<TForm2> form_;
  QStringList messages_;
};

void Unit2Test::initTestCase() {
  ComputeProjectionConstants();
  SetMessageSink([this](const QString& text) { messages_ << text; });
}

void Unit2Test::init() {
  messages_.clear();
  form_ = std::make_unique<TForm2>();
  form_->Show();
}

void Unit2Test::cleanup() { form_.reset(); }

void Unit2Test::Pick(const QString& item) {
  ComboBox& combo = *form_->ComboBox1;
  combo.setCurrentIndex(combo.findText(item));
  emit combo.activated(combo.currentIndex());
}

void Unit2Test::drawIsEnabledOnlyByPickingAnItem() {
  QVERIFY(!form_->Draw->isEnabled());
  QVERIFY(form_->Diam->isEnabled());
  QTest::keyClicks(form_->ComboBox1, "8");
  QVERIFY(!form_->Draw->isEnabled());  // typing does not enable it
  Pick(QStringLiteral("16"));
  QVERIFY(form_->Draw->isEnabled());

  // With a text in the box, activation leaves the button as it was.
  form_->Hide();
  form_->Show();
  QVERIFY(form_->Draw->isEnabled());
  // An emptied box disables it again on the next activation.
  form_->ComboBox1->SetText(QString());
  form_->Hide();
  form_->Show();
  QVERIFY(!form_->Draw->isEnabled());
}

void Unit2Test::layoutOfTheWindow() {
  QCOMPARE(form_->windowTitle(), QStringLiteral("КС типа n-мерный двоичный гиперкуб"));
  QCOMPARE(form_->OuterRect(), QRect(141, 90, 580, 419));
  QCOMPARE(form_->Image1->geometry(), QRect(144, 16, 417, 353));
  QCOMPARE(form_->Image1->picture().size(), QSize(417, 353));
  QCOMPARE(form_->StringGrid1->geometry(), QRect(8, 184, 113, 153));
  QCOMPARE(form_->StringGrid1->RowCount(), 5);
  QCOMPARE(form_->StringGrid1->ColCount(), 5);
  QCOMPARE(form_->Exit->text(), QStringLiteral("Назад"));
  QCOMPARE(form_->ComboBox1->count(), 5);
  QCOMPARE(form_->ComboBox1->Text(), QString());
  QVERIFY(AllWhite(form_->Image1->picture()));
}

void Unit2Test::table_data() {
  QTest::addColumn<QString>("count");
  QTest::addColumn<int>("row");
  QTest::addColumn<QStringList>("cells");
  QTest::newRow("2: first") << "2" << 1 << QStringList{"0", "0", "0", "0", "0", "0"};
  QTest::newRow("2: last") << "2" << 2 << QStringList{"1", "0", "0", "0", "0", "1"};
  QTest::newRow("4: first") << "4" << 1 << QStringList{"0", "0", "0", "0", "0", "0"};
  QTest::newRow("4: last") << "4" << 4 << QStringList{"3", "0", "0", "0", "1", "1"};
  QTest::newRow("32: vertex 5") << "32" << 6 << QStringList{"5", "0", "0", "1", "0", "1"};
  QTest::newRow("32: last") << "32" << 32 << QStringList{"31", "1", "1", "1", "1", "1"};
  QTest::newRow("12: last") << "12" << 12 << QStringList{"11", "0", "1", "0", "1", "1"};
  QTest::newRow("header stays empty") << "8" << 0 << QStringList{"", "", "", "", "", ""};
}

void Unit2Test::table() {
  QFETCH(QString, count);
  QFETCH(int, row);
  QFETCH(QStringList, cells);
  form_->ComboBox1->SetText(count);
  form_->DrawClick();
  QCOMPARE(form_->StringGrid1->RowCount(), count.toInt() + 1);
  QCOMPARE(form_->StringGrid1->ColCount(), 6);
  QCOMPARE(Row(*form_->StringGrid1, row), cells);
  QVERIFY(messages_.isEmpty());
}

void Unit2Test::drawingStartsBlankAndRecordsTheHypercube() {
  RecordingCanvas recorder;
  form_->Image1->SetObserver(&recorder);
  Pick(QStringLiteral("2"));
  form_->Draw->click();
  using K = CanvasOp::Kind;
  const std::vector<CanvasOp> expected{
      {K::Brush, 0, 0, 0, 0, kWhite, {}},     {K::Fill, 0, 0, 417, 353, kWhite, {}},
      {K::Pen, 0, 0, 0, 0, kBlack, {}},       {K::Pen, 0, 0, 0, 0, kBlack, {}},
      {K::Text, 172, 196, 0, 0, kWhite, "0"}, {K::Text, 327, 196, 0, 0, kWhite, "1"},
      {K::Move, 172, 196, 0, 0, kBlack, {}},  {K::Line, 312, 196, 0, 0, kBlack, {}},
      {K::Move, 312, 196, 0, 0, kBlack, {}},  {K::Line, 172, 196, 0, 0, kBlack, {}},
  };
  QVERIFY(recorder.ops() == expected);
  form_->Image1->SetObserver(nullptr);
  // The line is on the kept picture.
  QCOMPARE(form_->Image1->picture().pixel(240, 196) & 0xFFFFFF, 0u);
}

void Unit2Test::notAnIntegerIsReportedAndTheTableStays_data() {
  QTest::addColumn<QString>("text");
  QTest::newRow("letters") << "abc";
  QTest::newRow("empty") << "";
  QTest::newRow("fraction") << "2.5";
  QTest::newRow("too long") << "123456789012";
}

void Unit2Test::notAnIntegerIsReportedAndTheTableStays() {
  QFETCH(QString, text);
  form_->ComboBox1->SetText(QStringLiteral("4"));
  form_->DrawClick();
  form_->ComboBox1->SetText(text);
  form_->DrawClick();
  QCOMPARE(messages_, QStringList{QStringLiteral("'%1' is not a valid integer value").arg(text)});
  QVERIFY(AllWhite(form_->Image1->picture()));
  QCOMPARE(form_->StringGrid1->RowCount(), 5);
  QCOMPARE(Row(*form_->StringGrid1, 4), (QStringList{"3", "0", "0", "0", "1", "1"}));
}

void Unit2Test::countsOutsideOneToThirtyTwoAreRefused_data() {
  QTest::addColumn<QString>("text");
  QTest::newRow("33") << "33";
  QTest::newRow("64") << "64";
  QTest::newRow("huge") << "2147483647";
  QTest::newRow("zero") << "0";
  QTest::newRow("negative") << "-3";
  QTest::newRow("most negative") << "-2147483648";
}

void Unit2Test::countsOutsideOneToThirtyTwoAreRefused() {
  QFETCH(QString, text);
  form_->ComboBox1->SetText(QStringLiteral("8"));
  form_->DrawClick();
  form_->ComboBox1->SetText(text);
  form_->DrawClick();
  QCOMPARE(messages_.size(), 1);
  QVERIFY(messages_[0].contains(QStringLiteral("1..32")));
  QVERIFY(AllWhite(form_->Image1->picture()));
  QCOMPARE(form_->StringGrid1->RowCount(), 9);
  QCOMPARE(Row(*form_->StringGrid1, 8), (QStringList{"7", "0", "0", "1", "1", "1"}));
}

void Unit2Test::activationAfterARedDrawingResetsThePen() {
  form_->ComboBox1->SetText(QStringLiteral("32"));
  form_->DrawClick();
  QCOMPARE(form_->Image1->canvas().PenColor(), kRed);
  form_->Hide();
  form_->Show();
  QCOMPARE(form_->Image1->canvas().PenColor(), kBlack);
  QCOMPARE(form_->Image1->canvas().BrushColor(), kWhite);
  // The drawing itself survives hiding and showing.
  QVERIFY(!AllWhite(form_->Image1->picture()));
}

void Unit2Test::activationFromOutsideRunsNothing() {
  QCoreApplication::processEvents();
  Pick(QStringLiteral("32"));
  form_->DrawClick();
  form_->ComboBox1->SetText(QString());  // the user empties the text again
  const QImage drawn = form_->Image1->picture();
  RecordingCanvas recorder;
  form_->Image1->SetObserver(&recorder);

  QVERIFY(testing::FocusLeavesTheProgramAndComesBack(*form_));

  QVERIFY(form_->Draw->isEnabled());
  QCOMPARE(form_->Image1->canvas().PenColor(), kRed);
  QVERIFY(recorder.ops().empty());
  QCOMPARE(form_->Image1->picture(), drawn);
  form_->Image1->SetObserver(nullptr);
}

void Unit2Test::clickFromAnotherWindowOfTheProgramRunsOnce() {
  QCoreApplication::processEvents();
  Pick(QStringLiteral("8"));
  form_->ComboBox1->SetText(QString());
  RecordingCanvas recorder;
  form_->Image1->SetObserver(&recorder);
  TForm2 other;
  other.show();
  QApplication::setActiveWindow(&other);
  QApplication::setActiveWindow(form_.get());
  QCoreApplication::processEvents();

  QVERIFY(!form_->Draw->isEnabled());
  const std::vector<CanvasOp> once{{CanvasOp::Kind::Brush, 0, 0, 0, 0, kWhite, {}},
                                   {CanvasOp::Kind::Pen, 0, 0, 0, 0, kBlack, {}}};
  QCOMPARE(recorder.ops(), once);
  form_->Image1->SetObserver(nullptr);
}

void Unit2Test::tabCycleWithAFilledTable() {
  Pick(QStringLiteral("32"));
  form_->DrawClick();
  QCOMPARE(form_->StringGrid1->RowCount(), 33);
  TForm2& f = *form_;
  const std::vector<QWidget*> forward{f.Exit, f.ComboBox1, f.Draw, f.Diam, f.StringGrid1};
  QCOMPARE(testing::TabCycle(f, f.Exit, true), forward);
  const std::vector<QWidget*> backward{f.Exit, f.StringGrid1, f.Diam, f.Draw, f.ComboBox1};
  QCOMPARE(testing::TabCycle(f, f.Exit, false), backward);
  QCOMPARE(f.StringGrid1->currentIndex(), f.StringGrid1->model()->index(1, 1));
}

void Unit2Test::everyNumberOfTheTableFitsItsColumn() {
  Pick(QStringLiteral("32"));
  form_->DrawClick();
  const StringGrid& grid = *form_->StringGrid1;
  testing::VerifyEveryCellFits(grid);
  QCOMPARE(grid.columnWidth(0), 15);
  QCOMPARE(grid.rowHeight(0), 15);
}

void Unit2Test::fixedRowAndColumnStayWhileTheTableScrolls() {
  form_->Show();
  Pick(QStringLiteral("32"));
  form_->DrawClick();
  QCoreApplication::processEvents();
  testing::VerifyFixedCellsStay(*form_->StringGrid1);
}

QTEST_MAIN(Unit2Test)
#include "tst_unit2.moc"
