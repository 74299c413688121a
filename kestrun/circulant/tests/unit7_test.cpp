#include <QLineSeries>
#include <QTest>
#include <memory>

#include "circulant_drawing.h"
#include "circulant_graph.h"
#include "core/diameter_series.h"
#include "core/recording_canvas.h"
#include "forms/forms.h"
#include "forms/tests/outside_focus.h"
#include "unit7.h"
#include "unit9.h"

namespace kestrun {

using Kind = CanvasOp::Kind;

class TestUnit7 : public QObject {
  Q_OBJECT

 private:
  std::unique_ptr<Form> form1_;
  std::unique_ptr<TForm7> form7_;
  std::unique_ptr<TForm9> form9_;
  RecordingCanvas recorder_;

  TForm7& form() { return *form7_; }
  void Select(int item) { form().RadioGroup1->Item(item)->click(); }
  int Count(Kind kind) const {
    return static_cast<int>(std::count_if(recorder_.ops().begin(), recorder_.ops().end(),
                                          [kind](const CanvasOp& op) { return op.kind == kind; }));
  }
  bool IsBlank() const {
    const QImage& picture = form7_->Image1->picture();
    QImage white(picture.size(), picture.format());
    white.fill(Qt::white);
    return picture == white;
  }

 private slots:
  void init() {
    form1_ = std::make_unique<Form>(QStringLiteral("first"), QRect(0, 0, 100, 100));
    form7_ = std::make_unique<TForm7>();
    form9_ = std::make_unique<TForm9>();
    Form1 = form1_.get();
    Form7 = form7_.get();
    Form9 = form9_.get();
    form().FormActivate();
    recorder_.clear();
    form().Image1->SetObserver(&recorder_);
  }

  void cleanup() {
    Form1 = Form7 = Form9 = nullptr;
    form9_.reset();
    form7_.reset();
    form1_.reset();
  }

  void layout() {
    QCOMPARE(form().windowTitle(), QStringLiteral("Циркулянта {N; 1, 3, 11, 13, 17}"));
    QCOMPARE(form().OuterRect(), QRect(175, 90, 495, 411));
    QCOMPARE(form().Label1->pos(), QPoint(8, 8));
    QCOMPARE(form().Bevel1->geometry(), QRect(104, 24, 377, 353));
    QCOMPARE(form().Image1->geometry(), QRect(112, 32, 361, 337));
    QCOMPARE(form().Image1->picture().size(), QSize(361, 337));
    QCOMPARE(form().Exit->geometry(), QRect(8, 272, 89, 25));
    QCOMPARE(form().RadioGroup1->geometry(), QRect(8, 56, 89, 137));
    QCOMPARE(form().Next->geometry(), QRect(8, 248, 89, 25));
  }

  void captionsAndTabOrder() {
    QCOMPARE(form().Label1->Caption(), QString());
    QVERIFY(form().Label1->font().bold());
    QVERIFY(form().Label1->font().italic());
    QCOMPARE(form().Exit->text(), QStringLiteral("Назад"));
    QCOMPARE(form().Next->text(), QStringLiteral("График D/AveD"));
    QCOMPARE(form().RadioGroup1->title(), QStringLiteral("Выберите N"));
    const QStringList items{"35", "37", "38", "40", "41"};
    QCOMPARE(form().RadioGroup1->Count(), 5);
    for (int i = 0; i < 5; ++i) QCOMPARE(form().RadioGroup1->Item(i)->text(), items[i]);

    std::vector<QWidget*> chain;
    QWidget* w = form().Exit;
    do {
      if (w->focusPolicy() & Qt::TabFocus) chain.push_back(w);
      w = w->nextInFocusChain();
    } while (w != form().Exit);
    std::vector<QWidget*> expected{form().Exit};
    for (int i = 0; i < 5; ++i) expected.push_back(form().RadioGroup1->Item(i));
    expected.push_back(form().Next);
    QCOMPARE(chain, expected);
  }

  void selection_data() {
    QTest::addColumn<int>("item");
    QTest::addColumn<int>("n");
    for (int i = 0; i < 5; ++i) {
      const CirculantCount& c = kCirculantCounts[i];
      QTest::newRow(c.itemText) << i << c.n;
    }
  }

  void selection() {
    QFETCH(int, item);
    QFETCH(int, n);
    Select(item);
    QCOMPARE(form().Label1->Caption(),
             QStringLiteral("Количество вершин равно ") + QString::number(n));
    QCOMPARE(recorder_.ops().front(), (CanvasOp{Kind::Fill, 0, 0, 361, 337, kWhite, {}}));
    QCOMPARE(Count(Kind::Text), n);
    QCOMPARE(Count(Kind::Line), 10 * n);
    QCOMPARE(Count(Kind::Move), n * n);

    // The chords reach the picture: vertex 0's place is black.
    const VertexPlace zero = CirculantPlaces(n).front();
    QCOMPARE(form().Image1->picture().pixelColor(zero.X, zero.Y), QColor(Qt::black));
  }

  void vertexZeroOfThirtyFive() {
    Select(0);
    const auto& ops = recorder_.ops();
    QCOMPARE(ops.at(1), (CanvasOp{Kind::Text, 209, 322, 0, 0, kWhite, "0"}));
    QCOMPARE(ops.at(35), (CanvasOp{Kind::Text, 179, 325, 0, 0, kWhite, "34"}));
    // The chords of vertex 0 run to its ten neighbours, in order.
    const std::vector<VertexPlace> places = CirculantPlaces(35);
    std::vector<QPoint> ends;
    for (std::size_t i = 36; ends.size() < 10; ++i) {
      if (ops[i].kind == Kind::Line) {
        QCOMPARE(QPoint(ops[i - 1].x, ops[i - 1].y), QPoint(206, 308));
        ends.emplace_back(ops[i].x, ops[i].y);
      }
    }
    std::vector<QPoint> expected;
    for (int j : {1, 3, 11, 13, 17, 18, 22, 24, 32, 34}) {
      expected.emplace_back(places[j].X, places[j].Y);
    }
    QCOMPARE(ends, expected);
  }

  void anotherCountErasesThePrevious() {
    TForm7 fresh;
    fresh.FormActivate();
    fresh.RadioGroup1->Item(0)->click();

    Select(4);
    Select(0);
    QCOMPARE(form().Image1->picture(), fresh.Image1->picture());
    QCOMPARE(form().Label1->Caption(), QStringLiteral("Количество вершин равно 35"));
  }

  void reselectingRunsNothing() {
    Select(2);
    recorder_.clear();
    Select(2);
    QVERIFY(recorder_.ops().empty());
  }

  void activationResetsButKeepsTheLabel() {
    Select(3);
    CirculantGenerators = {2, 2, 2, 2, 2};
    form().Image1->canvas().SetBrushColor(kRed);
    recorder_.clear();

    form().FormActivate();

    QCOMPARE(form().RadioGroup1->ItemIndex(), -1);
    QVERIFY(IsBlank());
    QCOMPARE(form().Label1->Caption(), QStringLiteral("Количество вершин равно 40"));
    QCOMPARE(CirculantGenerators, (Generators{1, 3, 11, 13, 17}));
    const std::vector<CanvasOp> expected{{Kind::Brush, 0, 0, 0, 0, kWhite, {}},
                                         {Kind::Pen, 0, 0, 0, 0, kBlack, {}},
                                         {Kind::Fill, 0, 0, 361, 337, kWhite, {}}};
    QCOMPARE(recorder_.ops(), expected);
  }

  // Coming back from the chart shows no selection and a blank image.
  void returningFromTheChart() {
    form().Show();
    Select(1);
    QTest::mouseClick(form().Next, Qt::LeftButton);
    QVERIFY(form9_->isVisible());
    QTest::mouseClick(form9_->Exit, Qt::LeftButton);
    QVERIFY(form().isVisible());
    QVERIFY(!form9_->isVisible());
    QCOMPARE(form().RadioGroup1->ItemIndex(), -1);
    QVERIFY(IsBlank());
    QCOMPARE(form().Label1->Caption(), QStringLiteral("Количество вершин равно 37"));
  }

  // Another program over the window, or a switch to another application and
  // back, leaves the chosen N and its drawing.
  void focusFromOutsideKeepsTheDrawing() {
    form().Show();
    QCoreApplication::processEvents();
    Select(2);  // 38
    const QImage drawn = form().Image1->picture();
    recorder_.clear();

    QVERIFY(testing::FocusLeavesTheProgramAndComesBack(form()));

    QCOMPARE(form().RadioGroup1->ItemIndex(), 2);
    QCOMPARE(form().Image1->picture(), drawn);
    QVERIFY(recorder_.ops().empty());
    QCOMPARE(form().Label1->Caption(), QStringLiteral("Количество вершин равно 38"));
  }

  // Shown by a button, or clicked into from another window of the program:
  // one clearing each time.
  void inProgramActivationsClearOnce() {
    form().Show();
    QCoreApplication::processEvents();
    Select(2);
    recorder_.clear();
    form9_->show();  // another window of the program takes the focus
    QApplication::setActiveWindow(form9_.get());
    QApplication::setActiveWindow(&form());
    QCoreApplication::processEvents();
    QCOMPARE(Count(Kind::Fill), 1);
    QCOMPARE(form().RadioGroup1->ItemIndex(), -1);
    QVERIFY(IsBlank());
    form9_->hide();

    Select(1);
    recorder_.clear();
    QTest::mouseClick(form().Next, Qt::LeftButton);
    QTest::mouseClick(form9_->Exit, Qt::LeftButton);
    QCoreApplication::processEvents();
    QCOMPARE(Count(Kind::Fill), 1);
    QVERIFY(IsBlank());
  }

  void backLeadsToTheFirstWindow() {
    form().Show();
    QTest::mouseClick(form().Exit, Qt::LeftButton);
    QVERIFY(!form().isVisible());
    QVERIFY(form1_->isVisible());
  }

  void chartShowsTheSeriesWithoutASelection() {
    CirculantSeries = {};
    form().Show();
    QTest::mouseClick(form().Next, Qt::LeftButton);
    QVERIFY(!form().isVisible());
    QVERIFY(form9_->isVisible());

    const QList<QPointF> d{{35, 2}, {37, 3}, {38, 3}, {40, 3}, {41, 3}};
    const QList<QPointF> aveD{
        {35, 58.0 / 34}, {37, 64.0 / 36}, {38, 73.0 / 37}, {40, 78.0 / 39}, {41, 74.0 / 40}};
    QCOMPARE(form9_->Series1->points(), d);
    QCOMPARE(form9_->Series2->points(), aveD);
  }
};

}  // namespace kestrun

QTEST_MAIN(kestrun::TestUnit7)
#include "unit7_test.moc"
