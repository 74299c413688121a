#include <QLineSeries>
#include <QRadioButton>
#include <QStyleOption>
#include <QTest>
#include <memory>

#include "core/diameter_series.h"
#include "core/projection.h"
#include "core/recording_canvas.h"
#include "forms/forms.h"
#include "forms/tests/fixed_cells.h"
#include "forms/tests/grid_fit.h"
#include "forms/tests/outside_focus.h"
#include "forms/tests/tab_cycle.h"
#include "mykub.h"
#include "unit5.h"
#include "unit6.h"

namespace kestrun {

using Kind = CanvasOp::Kind;

class TestUnit5 : public QObject {
  Q_OBJECT

 private:
  std::unique_ptr<Form> form1_;
  std::unique_ptr<TForm5> form5_;
  std::unique_ptr<TForm6> form6_;
  RecordingCanvas recorder_;

  TForm5& form() { return *form5_; }
  void Select(int item) { form().RadioGroup1->Item(item)->click(); }

  // The widgets Tab visits, starting from `first`, until the chain closes.
  static std::vector<QWidget*> TabChain(QWidget* first) {
    std::vector<QWidget*> chain;
    QWidget* w = first;
    do {
      if (w->focusPolicy() & Qt::TabFocus) chain.push_back(w);
      w = w->nextInFocusChain();
    } while (w != first);
    return chain;
  }

  std::vector<QPoint> RecordedGlyphOrigins() const {
    std::vector<QPoint> origins;
    const auto& ops = recorder_.ops();
    for (std::size_t i = 1; i < ops.size(); ++i) {
      if (ops[i].kind == Kind::Move && ops[i - 1].kind == Kind::Pen) {
        origins.emplace_back(ops[i].x, ops[i].y);
      }
    }
    return origins;
  }

 private slots:
  void init() {
    ComputeProjectionConstants();
    form1_ = std::make_unique<Form>(QStringLiteral("first"), QRect(0, 0, 100, 100));
    form5_ = std::make_unique<TForm5>();
    form6_ = std::make_unique<TForm6>();
    Form1 = form1_.get();
    Form5 = form5_.get();
    Form6 = form6_.get();
    recorder_.clear();
    form().Image1->SetObserver(&recorder_);
  }

  void cleanup() {
    Form1 = Form5 = Form6 = nullptr;
    form6_.reset();
    form5_.reset();
    form1_.reset();
  }

  void layout() {
    QCOMPARE(form().windowTitle(), QStringLiteral("КС типа обобщенный 3D куб"));
    QCOMPARE(form().OuterRect(), QRect(114, 184, 465, 370));
    QCOMPARE(form().Bevel1->geometry(), QRect(104, 24, 345, 305));
    QCOMPARE(form().Image1->geometry(), QRect(112, 32, 329, 289));
    QCOMPARE(form().Image1->picture().size(), QSize(329, 289));
    QCOMPARE(form().Button1->geometry(), QRect(8, 304, 89, 25));
    QCOMPARE(form().Next->geometry(), QRect(8, 280, 89, 25));
    QCOMPARE(form().Tab->geometry(), QRect(8, 136, 89, 137));
    QCOMPARE(form().RadioGroup1->geometry(), QRect(8, 32, 81, 65));
    QCOMPARE(form().Label1->pos(), QPoint(8, 8));
    QCOMPARE(form().Label2->pos(), QPoint(8, 104));
    QCOMPARE(form().Label3->pos(), QPoint(8, 120));
  }

  // The three items share the group's 81 x 65 in equal rows: the circles
  // neither touch one another nor the frame.
  void radioCirclesStandApartInsideTheFrame() {
    form().Show();
    QCoreApplication::processEvents();
    RadioGroup& group = *form().RadioGroup1;
    QCOMPARE(group.size(), QSize(81, 65));
    QStyleOptionGroupBox frameOption;
    frameOption.initFrom(&group);
    frameOption.text = group.title();
    frameOption.subControls = QStyle::SC_GroupBoxFrame | QStyle::SC_GroupBoxLabel;
    frameOption.lineWidth = 1;
    const QRect frame = group.style()->subControlRect(QStyle::CC_GroupBox, &frameOption,
                                                      QStyle::SC_GroupBoxFrame, &group);
    std::vector<QRect> circles;
    for (int i = 0; i < group.Count(); ++i) {
      QRadioButton& item = *group.Item(i);
      QStyleOptionButton option;
      option.initFrom(&item);
      option.text = item.text();
      const QRect circle =
          item.style()->subElementRect(QStyle::SE_RadioButtonIndicator, &option, &item);
      circles.push_back(circle.translated(item.pos()));
    }
    constexpr int kGap = 2;
    QVERIFY2(circles.front().top() - frame.top() > kGap, qPrintable(QString::number(frame.top())));
    QVERIFY(frame.bottom() - circles.back().bottom() > kGap);
    for (std::size_t i = 1; i < circles.size(); ++i)
      QVERIFY2(circles[i].top() - circles[i - 1].bottom() > kGap, qPrintable(QString::number(i)));
    for (const QRect& circle : circles) QVERIFY(circle.left() - frame.left() > kGap);
  }

  void captionsAndStartState() {
    QCOMPARE(form().Label1->Caption(), QString());
    QCOMPARE(form().Label2->Caption(), QStringLiteral("Декартовы"));
    QCOMPARE(form().Label3->Caption(), QStringLiteral("произведения"));
    QCOMPARE(form().Button1->text(), QStringLiteral("Назад"));
    QCOMPARE(form().Next->text(), QStringLiteral("График D/AveD"));
    QCOMPARE(form().RadioGroup1->title(), QStringLiteral("Выберите N"));
    QCOMPARE(form().RadioGroup1->Count(), 3);
    QCOMPARE(form().RadioGroup1->Item(0)->text(), QStringLiteral("24"));
    QCOMPARE(form().RadioGroup1->Item(1)->text(), QStringLiteral("27"));
    QCOMPARE(form().RadioGroup1->Item(2)->text(), QStringLiteral("30"));
    QCOMPARE(form().RadioGroup1->ItemIndex(), -1);
    QCOMPARE(form().Tab->ColCount(), 5);
    QCOMPARE(form().Tab->RowCount(), 5);
    QVERIFY(form().Label1->font().bold());
    QVERIFY(form().Label1->font().italic());
  }

  void tabOrder() {
    const std::vector<QWidget*> expected{form().Button1,
                                         form().Next,
                                         form().Tab,
                                         form().RadioGroup1->Item(0),
                                         form().RadioGroup1->Item(1),
                                         form().RadioGroup1->Item(2)};
    QCOMPARE(TabChain(form().Button1), expected);
  }

  // With the table filled, Tab still passes the table in one press.
  void tabCycleWithAFilledTable() {
    form().Show();
    QCoreApplication::processEvents();
    Select(2);
    QCOMPARE(form().Tab->RowCount(), 31);
    TForm5& f = form();
    const std::vector<QWidget*> forward{f.Button1, f.Next, f.Tab, f.RadioGroup1};
    QCOMPARE(testing::TabCycle(f, f.Button1, true), forward);
    const std::vector<QWidget*> backward{f.Button1, f.RadioGroup1, f.Tab, f.Next};
    QCOMPARE(testing::TabCycle(f, f.Button1, false), backward);
    QCOMPARE(f.RadioGroup1->ItemIndex(), 2);  // passing the group changed no choice
  }

  void everyNumberOfTheTableFitsItsColumn() {
    for (int item = 0; item < 3; ++item) {
      Select(item);
      testing::VerifyEveryCellFits(*form().Tab);
      QCOMPARE(form().Tab->columnWidth(0), 15);
    }
  }

  void fixedRowAndColumnStayWhileTheTableScrolls() {
    form().Show();
    Select(2);
    QCoreApplication::processEvents();
    testing::VerifyFixedCellsStay(*form().Tab);
  }

  void selection_data() {
    QTest::addColumn<int>("item");
    QTest::addColumn<QString>("label");
    QTest::addColumn<int>("rows");
    QTest::addColumn<QStringList>("lastRow");
    QTest::addColumn<std::vector<QPoint>>("origins");
    QTest::newRow("24") << 0 << QStringLiteral("Количество вершин равно 24 (4x3x2)") << 25
                        << QStringList{"23", "3", "2", "1"}
                        << std::vector<QPoint>{{100, 110}, {154, 120}, {208, 130},
                                               {100, 70},  {154, 80},  {208, 90}};
    QTest::newRow("27") << 1 << QStringLiteral("Количество вершин равно 27 (3x3x3)") << 28
                        << QStringList{"26", "2", "2", "2"}
                        << std::vector<QPoint>{{100, 110}, {154, 120}, {100, 70}, {154, 80},
                                               {61, 149},  {115, 159}, {61, 109}, {115, 119}};
    QTest::newRow("30") << 2 << QStringLiteral("Количество вершин равно 30 (5x3x2)") << 31
                        << QStringList{"29", "4", "2", "1"}
                        << std::vector<QPoint>{{100, 110}, {154, 120}, {208, 130}, {262, 140},
                                               {100, 70},  {154, 80},  {208, 90},  {262, 100}};
  }

  void selection() {
    QFETCH(int, item);
    QFETCH(QString, label);
    QFETCH(int, rows);
    QFETCH(QStringList, lastRow);
    QFETCH(std::vector<QPoint>, origins);

    Select(item);
    QCOMPARE(form().Label1->Caption(), label);
    QCOMPARE(form().Tab->ColCount(), 4);
    QCOMPARE(form().Tab->RowCount(), rows);
    for (int col = 0; col < 4; ++col) {
      QCOMPARE(form().Tab->Cell(col, 0), QString());
      QCOMPARE(form().Tab->Cell(col, 1), QStringLiteral("0"));
      QCOMPARE(form().Tab->Cell(col, rows - 1), lastRow[col]);
    }

    const auto& ops = recorder_.ops();
    QVERIFY(ops.size() > 2);
    QCOMPARE(ops[0], (CanvasOp{Kind::Brush, 0, 0, 0, 0, kWhite, {}}));
    QCOMPARE(ops[1], (CanvasOp{Kind::Fill, 0, 0, 329, 289, kWhite, {}}));
    QCOMPARE(RecordedGlyphOrigins(), origins);
    QVERIFY(LastKub != nullptr);
    QCOMPARE(QPoint(LastKub->OriginX, LastKub->OriginY), origins.back());

    // The picture itself: the origin corner is black, a spot outside the
    // grid stays white.
    const QImage& picture = form().Image1->picture();
    QCOMPARE(picture.pixelColor(100, 110), QColor(Qt::black));
    QCOMPARE(picture.pixelColor(5, 5), QColor(Qt::white));
  }

  void tabRowsOfTwentyFour() {
    Select(0);
    const QStringList row2{"1", "0", "0", "1"};
    const QStringList row3{"2", "0", "1", "0"};
    for (int col = 0; col < 4; ++col) {
      QCOMPARE(form().Tab->Cell(col, 2), row2[col]);
      QCOMPARE(form().Tab->Cell(col, 3), row3[col]);
    }
  }

  void smallerAfterLargerClearsAndShrinks() {
    Select(2);
    recorder_.clear();
    Select(0);
    QCOMPARE(recorder_.ops().at(1), (CanvasOp{Kind::Fill, 0, 0, 329, 289, kWhite, {}}));
    QCOMPARE(form().Tab->RowCount(), 25);
    QCOMPARE(form().Tab->Cell(0, 25), QString());
    // (262, 140) is the origin of the fourth cell of 5x3x2, absent from 4x3x2.
    QCOMPARE(form().Image1->picture().pixelColor(262 + 54, 140 + 10), QColor(Qt::white));
  }

  void reselectingRunsNothing() {
    Select(1);
    recorder_.clear();
    Select(1);
    QVERIFY(recorder_.ops().empty());
    QCOMPARE(form().RadioGroup1->ItemIndex(), 1);
  }

  void activationOnlyRestoresColours() {
    Select(0);
    const QImage before = form().Image1->picture();
    form().Image1->canvas().SetPenColor(kRed);
    recorder_.clear();

    form().FormActivate();

    const std::vector<CanvasOp> expected{{Kind::Brush, 0, 0, 0, 0, kWhite, {}},
                                         {Kind::Pen, 0, 0, 0, 0, kBlack, {}}};
    QCOMPARE(recorder_.ops(), expected);
    QCOMPARE(form().Image1->picture(), before);
    QCOMPARE(form().RadioGroup1->ItemIndex(), 0);
    QCOMPARE(form().Label1->Caption(), QStringLiteral("Количество вершин равно 24 (4x3x2)"));
    QCOMPARE(form().Tab->RowCount(), 25);
  }

  void activationFromOutsideRunsNothing() {
    form().Show();
    QCoreApplication::processEvents();
    Select(2);
    form().Image1->canvas().SetPenColor(kRed);
    const QImage drawn = form().Image1->picture();
    recorder_.clear();

    QVERIFY(testing::FocusLeavesTheProgramAndComesBack(form()));

    QVERIFY(recorder_.ops().empty());
    QCOMPARE(form().Image1->canvas().PenColor(), kRed);
    QCOMPARE(form().Image1->picture(), drawn);
    QCOMPARE(form().RadioGroup1->ItemIndex(), 2);
    QCOMPARE(form().Tab->RowCount(), 31);
  }

  void inProgramActivationsRestoreTheColoursOnce() {
    const std::vector<CanvasOp> once{{Kind::Brush, 0, 0, 0, 0, kWhite, {}},
                                     {Kind::Pen, 0, 0, 0, 0, kBlack, {}}};
    form().Show();
    QCoreApplication::processEvents();
    recorder_.clear();
    form6_->show();  // another window of the program takes the focus
    QApplication::setActiveWindow(form6_.get());
    QApplication::setActiveWindow(&form());
    QCoreApplication::processEvents();
    QCOMPARE(recorder_.ops(), once);
    form6_->hide();

    recorder_.clear();
    QTest::mouseClick(form().Next, Qt::LeftButton);
    QTest::mouseClick(form6_->Exit, Qt::LeftButton);
    QCoreApplication::processEvents();
    QVERIFY(form().isVisible());
    QCOMPARE(recorder_.ops(), once);
  }

  void backLeadsToTheFirstWindow() {
    form().Show();
    QTest::mouseClick(form().Button1, Qt::LeftButton);
    QVERIFY(!form().isVisible());
    QVERIFY(form1_->isVisible());
  }

  void chartShowsTheSeriesWithoutASelection() {
    GenCubeSeries = {};
    form().Show();
    QTest::mouseClick(form().Next, Qt::LeftButton);
    QVERIFY(!form().isVisible());
    QVERIFY(form6_->isVisible());

    QCOMPARE(GenCubeSeries.D, (std::array<std::int32_t, 3>{6, 6, 7}));
    const QList<QPointF> d{{24, 6}, {27, 6}, {30, 7}};
    const QList<QPointF> aveD{{24, 72.0 / 23}, {27, 81.0 / 26}, {30, 105.0 / 29}};
    QCOMPARE(form6_->Series1->points(), d);
    QCOMPARE(form6_->Series2->points(), aveD);
  }
};

}  // namespace kestrun

QTEST_MAIN(kestrun::TestUnit5)
#include "unit5_test.moc"
