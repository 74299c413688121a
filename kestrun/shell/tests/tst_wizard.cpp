// The wizard end to end: start-up, the navigation table, the first window's
// reset on every return, the projection constants, closing windows and the
// chart windows' points.
#include <QSignalSpy>
#include <QValueAxis>
#include <QtTest>

#include "core/diameter_series.h"
#include "core/projection.h"
#include "forms/chartform.h"
#include "forms/forms.h"
#include "forms/program.h"
#include "forms/tests/outside_focus.h"
#include "forms/tests/tab_cycle.h"
#include "formset.h"
#include "unit1.h"
#include "unit2.h"

using namespace kestrun;

Q_DECLARE_METATYPE(kestrun::Form**)

namespace {

TForm1& First() { return static_cast<TForm1&>(*Form1); }
ChartForm& Chart(Form* form) { return static_cast<ChartForm&>(*form); }

// The one visible window of the wizard, or null when none or several are.
Form* Visible() {
  Form* visible = nullptr;
  for (Form* form : {Form1, Form2, Form3, Form5, Form6, Form7, Form9}) {
    if (!form || !form->isVisible()) continue;
    if (visible) return nullptr;
    visible = form;
  }
  return visible;
}

void ClickButton(Form* form, const QString& caption) {
  for (QPushButton* button : form->findChildren<QPushButton*>()) {
    if (button->text() == caption) {
      button->click();
      return;
    }
  }
  QFAIL(qPrintable(QStringLiteral("no button ") + caption));
}

void ChooseType(int index) {
  First().RadioGroup1->Item(index)->click();
  First().Next->click();
}

// Pixels of exactly `colour` in column x, within `reach` rows of y.
int PixelsInColumn(const QImage& image, QColor colour, int x, int y, int reach) {
  int count = 0;
  for (int row = std::max(y - reach, 0); row <= std::min(y + reach, image.height() - 1); ++row)
    if (image.pixelColor(x, row) == colour) ++count;
  return count;
}

}  // namespace

class WizardTest : public QObject {
  Q_OBJECT

 private slots:
  void initTestCase();
  void init();
  void cleanup();
  void startsWithOnlyTheChooserVisible();
  void projectionConstantsOnEveryActivation();
  void checkingATypeEnablesNext_data();
  void checkingATypeEnablesNext();
  void nextWithoutATypeDoesNothing();
  void navigationTable_data();
  void navigationTable();
  void clickingBackIntoTheChooserResetsIt();
  void chooserKeepsItsChoiceWhenFocusComesBackFromOutside();
  void chartVisits_data();
  void chartVisits();
  void enterPressesEveryButton_data();
  void enterPressesEveryButton();
  void chooserTabCycle();
  void exitAndClosingTheChooserEndTheProgram();
  void closingAnotherWindowOnlyHidesIt();
  void hypercubeChartAfterOneAndTwoVisits();
  void chartLinesAreOnePixelWide();
  void chartSettings_data();
  void chartSettings();
  void pointsAreKeptInAscendingX();

 private:
  std::unique_ptr<FormSet> forms_;
  int quits_ = 0;
  QStringList messages_;
};

void WizardTest::initTestCase() {
  SetQuitHandler([this] { ++quits_; });
  SetMessageSink([this](const QString& text) { messages_ << text; });
}

void WizardTest::init() {
  quits_ = 0;
  messages_.clear();
  HypercubeSeries = {};  // as at start: the chart button must fill it
  forms_ = std::make_unique<FormSet>();
  Form1->Show();
}

void WizardTest::cleanup() {
  forms_.reset();
  QVERIFY(!Form1 && !Form2 && !Form3 && !Form5 && !Form6 && !Form7 && !Form9);
}

void WizardTest::startsWithOnlyTheChooserVisible() {
  QCOMPARE(Visible(), Form1);
  QVERIFY(Form1->IsMainWindow());
  for (Form* form : {Form2, Form3, Form6, Form9}) {
    QVERIFY(form);
    QVERIFY(!form->IsMainWindow());
  }
  QCOMPARE(Form1->windowTitle(), QStringLiteral("ЛР №2"));
  QCOMPARE(Form1->OuterRect(), QRect(245, 205, 304, 192));
  QCOMPARE(First().RadioGroup1->ItemIndex(), -1);
  QVERIFY(!First().Next->isEnabled());
  QVERIFY(First().Exit->isEnabled());
  QCOMPARE(First().Label1->text(), QStringLiteral("Сравнительная оценка параметров "));
  QCOMPARE(First().Label1->palette().color(QPalette::WindowText), QColor(255, 0, 0));
  QVERIFY(First().Label1->font().italic());
  QCOMPARE(First().Label1->font().pixelSize(), 13);
  QCOMPARE(First().RadioGroup1->title(), QStringLiteral("Тип КС"));
  QCOMPARE(First().RadioGroup1->Item(2)->text(), QStringLiteral("циркулянта"));
}

void WizardTest::projectionConstantsOnEveryActivation() {
  gProjection = {};
  Form1->Hide();
  Form1->Show();
  QCOMPARE(gProjection.Cos10, 0.9848231136790973);
  QCOMPARE(gProjection.Sin10, 0.17356104045380674);
  QCOMPARE(gProjection.Cos45, 0.7073882691671998);
  QCOMPARE(gProjection.Sin45, 0.706825181105366);
  QCOMPARE(FirstAxisStep(100), (Step{98, 17}));
  QCOMPARE(SecondAxisStep(100), (Step{-71, 71}));
  QCOMPARE(FirstAxisStep(230), (Step{227, 40}));
  QCOMPARE(SecondAxisStep(150), (Step{-106, 106}));
  QCOMPARE(FirstAxisStep(55), (Step{54, 10}));
  QCOMPARE(SecondAxisStep(55), (Step{-39, 39}));
  // Halfway values go to the even neighbour.
  QCOMPARE(RoundHalfEven(2.5L), 2);
  QCOMPARE(RoundHalfEven(3.5L), 4);
  QCOMPARE(RoundHalfEven(-2.5L), -2);
}

void WizardTest::checkingATypeEnablesNext_data() {
  QTest::addColumn<int>("type");
  QTest::newRow("binary hypercube") << 0;
  QTest::newRow("generalized cube") << 1;
  QTest::newRow("circulant") << 2;
}

void WizardTest::checkingATypeEnablesNext() {
  QFETCH(int, type);
  First().RadioGroup1->Item(type)->click();
  QVERIFY(First().Next->isEnabled());
  QCOMPARE(First().RadioGroup1->ItemIndex(), type);
}

void WizardTest::nextWithoutATypeDoesNothing() {
  First().NextClick();
  QCOMPARE(Visible(), Form1);
}

void WizardTest::navigationTable_data() {
  QTest::addColumn<int>("type");
  QTest::addColumn<Form**>("topology");
  QTest::addColumn<Form**>("chart");
  QTest::addColumn<QString>("back");
  QTest::addColumn<QString>("toChart");
  QTest::newRow("binary hypercube") << 0 << &Form2 << &Form3 << "Назад"
                                    << "График D/AveD";
  QTest::newRow("generalized cube") << 1 << &Form5 << &Form6 << "Назад"
                                    << "График D/AveD";
  QTest::newRow("circulant") << 2 << &Form7 << &Form9 << "Назад"
                             << "График D/AveD";
}

void WizardTest::navigationTable() {
  QFETCH(int, type);
  QFETCH(Form**, topology);
  QFETCH(Form**, chart);
  QFETCH(QString, back);
  QFETCH(QString, toChart);
  QVERIFY(*topology && *chart);

  ChooseType(type);
  QCOMPARE(Visible(), *topology);
  QVERIFY(QApplication::activeWindow() == *topology);

  ClickButton(*topology, toChart);
  QCOMPARE(Visible(), *chart);
  ClickButton(*chart, back);
  QCOMPARE(Visible(), *topology);
  ClickButton(*topology, toChart);
  QCOMPARE(Visible(), *chart);
  ClickButton(*chart, back);
  ClickButton(*topology, back);

  // Back at the chooser, which starts afresh.
  QCOMPARE(Visible(), Form1);
  QCOMPARE(First().RadioGroup1->ItemIndex(), -1);
  QVERIFY(!First().Next->isEnabled());
  QCOMPARE(quits_, 0);
  QVERIFY(messages_.isEmpty());
}

void WizardTest::clickingBackIntoTheChooserResetsIt() {
  First().RadioGroup1->Item(1)->click();
  Form3->show();
  QApplication::setActiveWindow(Form3);  // another window of the program had the focus
  QApplication::setActiveWindow(Form1);
  QCOMPARE(First().RadioGroup1->ItemIndex(), -1);
  QVERIFY(!First().Next->isEnabled());
}

void WizardTest::chooserKeepsItsChoiceWhenFocusComesBackFromOutside() {
  QCoreApplication::processEvents();
  First().RadioGroup1->Item(2)->click();
  QVERIFY(testing::FocusLeavesTheProgramAndComesBack(*Form1));
  QCOMPARE(First().RadioGroup1->ItemIndex(), 2);
  QVERIFY(First().Next->isEnabled());
}

void WizardTest::chartVisits_data() {
  QTest::addColumn<int>("type");
  QTest::addColumn<Form**>("topology");
  QTest::addColumn<Form**>("chart");
  QTest::addColumn<int>("points");
  QTest::newRow("binary hypercube") << 0 << &Form2 << &Form3 << 5;
  QTest::newRow("generalized cube") << 1 << &Form5 << &Form6 << 3;
  QTest::newRow("circulant") << 2 << &Form7 << &Form9 << 5;
}

// Each visit shows the points once, and every visit looks the same to the
// pixel; focus from outside the program changes nothing.
void WizardTest::chartVisits() {
  QFETCH(int, type);
  QFETCH(Form**, topology);
  QFETCH(Form**, chart);
  QFETCH(int, points);
  ChartForm& form = Chart(*chart);
  ChooseType(type);
  ClickButton(*topology, QStringLiteral("График D/AveD"));
  QCoreApplication::processEvents();
  QCOMPARE(form.Series1->count(), points);
  const QImage first = form.ChartView->grab().toImage();

  QVERIFY(testing::FocusLeavesTheProgramAndComesBack(form));
  QCOMPARE(form.Series1->count(), points);
  QCOMPARE(form.Series2->count(), points);

  // A click into the chart after another window of the program had the focus.
  (*topology)->show();
  QApplication::setActiveWindow(*topology);
  QApplication::setActiveWindow(&form);
  (*topology)->hide();
  QCoreApplication::processEvents();
  QCOMPARE(form.Series1->count(), points);
  QCOMPARE(form.ChartView->grab().toImage(), first);

  ClickButton(&form, QStringLiteral("Назад"));
  ClickButton(*topology, QStringLiteral("График D/AveD"));
  QCoreApplication::processEvents();
  QCOMPARE(form.Series1->count(), points);
  QCOMPARE(form.Series2->count(), points);
  QCOMPARE(form.ChartView->grab().toImage(), first);
}

void WizardTest::exitAndClosingTheChooserEndTheProgram() {
  First().Exit->click();
  QCOMPARE(quits_, 1);
  QVERIFY(!Form1->isVisible());

  Form1->Show();
  QVERIFY(Form1->close());
  QCOMPARE(quits_, 2);
}

void WizardTest::closingAnotherWindowOnlyHidesIt() {
  ChooseType(0);
  QCOMPARE(Visible(), Form2);
  QVERIFY(Form2->close());
  QVERIFY(!Form2->isVisible());
  QVERIFY(!Form1->isVisible());  // no other window is shown
  QCOMPARE(quits_, 0);

  Form2->Show();  // the window lives on and can be shown again
  QCOMPARE(Visible(), Form2);
  static_cast<TForm2*>(Form2)->DiamClick();
  QVERIFY(Form3->close());
  QCOMPARE(quits_, 0);
}

void WizardTest::hypercubeChartAfterOneAndTwoVisits() {
  ChartForm& chart = Chart(Form3);
  QCOMPARE(chart.Label1->Caption(), QString());
  QCOMPARE(chart.Series1->count(), 0);

  ChooseType(0);
  ClickButton(Form2, QStringLiteral("График D/AveD"));
  QCOMPARE(chart.Label1->Caption(), QStringLiteral("Графики"));
  const QList<QPointF> diameters{{2, 1}, {4, 2}, {8, 3}, {16, 4}, {32, 5}};
  const QList<QPointF> averages{
      {2, 1}, {4, 4.0 / 3.0}, {8, 12.0 / 7.0}, {16, 32.0 / 15.0}, {32, 80.0 / 31.0}};
  QCOMPARE(chart.Series1->points(), diameters);
  QCOMPARE(chart.Series2->points(), averages);

  // A second visit shows the same points, once.
  ClickButton(Form3, QStringLiteral("Назад"));
  ClickButton(Form2, QStringLiteral("График D/AveD"));
  QCOMPARE(chart.Series1->points(), diameters);
  QCOMPARE(chart.Series2->points(), averages);
}

// The chart component's own look: lines one pixel wide, that is one pixel in
// each column where a line runs flatter than 45 degrees.
void WizardTest::chartLinesAreOnePixelWide() {
  ChartForm& chart = Chart(Form3);
  ChooseType(0);
  ClickButton(Form2, QStringLiteral("График D/AveD"));
  QCoreApplication::processEvents();
  const QImage image = chart.ChartView->grab().toImage();
  const auto at = [&](QPointF value, QLineSeries* series) {
    const QPointF scene = chart.Chart1->mapToScene(chart.Chart1->mapToPosition(value, series));
    return chart.ChartView->mapFromScene(scene);
  };
  // Midway between N = 16 and 32 on each line.
  const QPoint red = at({24, 4.5}, chart.Series1);
  const QPoint green = at({24, (32.0 / 15.0 + 80.0 / 31.0) / 2}, chart.Series2);
  QCOMPARE(chart.Series1->pen().width(), 1);
  QCOMPARE(chart.Series2->pen().width(), 1);
  QCOMPARE(PixelsInColumn(image, QColor(255, 0, 0), red.x(), red.y(), 6), 1);
  QCOMPARE(PixelsInColumn(image, QColor(0, 128, 0), green.x(), green.y(), 6), 1);
}

void WizardTest::chartSettings_data() {
  QTest::addColumn<Form**>("form");
  QTest::addColumn<QString>("caption");
  QTest::addColumn<QString>("title");
  QTest::addColumn<QRectF>("ranges");  // x min, y min, x span, y span
  QTest::addColumn<double>("increment");
  QTest::newRow("hypercube") << &Form3 << "Двоичный гиперкуб"
                             << "График изменения диаметра и среднего диаметра"
                             << QRectF(2, 1, 30, 4) << 2.0;
  QTest::newRow("generalized cube")
      << &Form6 << "Обобщенный гиперкуб"
      << "Графики изменения диаметра и среднего диаметра" << QRectF(24, 0, 6, 7) << 3.0;
  QTest::newRow("circulant") << &Form9 << "Циркулянта"
                             << "Графики диаметра и среднего диаметра" << QRectF(35, 0, 6, 4)
                             << 1.0;
}

void WizardTest::chartSettings() {
  QFETCH(Form**, form);
  QFETCH(QString, caption);
  QFETCH(QString, title);
  QFETCH(QRectF, ranges);
  QFETCH(double, increment);
  ChartForm& chart = Chart(*form);
  QCOMPARE(chart.windowTitle(), caption);
  QCOMPARE(chart.Chart1->title(), title);
  const auto* x = qobject_cast<QValueAxis*>(chart.Chart1->axes(Qt::Horizontal).value(0));
  const auto* y = qobject_cast<QValueAxis*>(chart.Chart1->axes(Qt::Vertical).value(0));
  QVERIFY(x && y);
  QCOMPARE(x->min(), ranges.left());
  QCOMPARE(x->max(), ranges.right());
  QCOMPARE(x->tickInterval(), increment);
  QCOMPARE(y->min(), ranges.top());
  QCOMPARE(y->max(), ranges.bottom());
  QCOMPARE(x->titleText(), QStringLiteral("N"));
  QCOMPARE(y->titleText(), QStringLiteral("D/AveD"));
  QCOMPARE(chart.Series1->name(), QStringLiteral("Диаметр"));
  QCOMPARE(chart.Series1->color(), QColor(255, 0, 0));
  QCOMPARE(chart.Series2->name(), QStringLiteral("Ср.Диаметр"));
  QCOMPARE(chart.Series2->color(), QColor(0, 128, 0));
  QVERIFY(!chart.Series1->pointsVisible() && !chart.Series2->pointsVisible());
  QCOMPARE(chart.ChartView->height(), 265);
  QCOMPARE(chart.Exit->text(), QStringLiteral("Назад"));

  // Title, legend and axis labels take what they need, the plot the rest.
  chart.show();
  QCoreApplication::processEvents();
  const QRectF plot = chart.Chart1->plotArea();
  const QRect view = chart.ChartView->rect();
  QVERIFY2(plot.height() >= 0.65 * view.height(), qPrintable(QString::number(plot.height())));
  QVERIFY2(plot.width() >= view.width() - 60, qPrintable(QString::number(plot.width())));
  chart.hide();
}

void WizardTest::pointsAreKeptInAscendingX() {
  QLineSeries series;
  AppendPoint(series, 8, 3);
  AppendPoint(series, 2, 1);
  AppendPoint(series, 32, 5);
  AppendPoint(series, 4, 2);
  AppendPoint(series, 4, 7);  // equal x: after the earlier one
  QCOMPARE(series.points(), (QList<QPointF>{{2, 1}, {4, 2}, {4, 7}, {8, 3}, {32, 5}}));
}

void WizardTest::enterPressesEveryButton_data() {
  QTest::addColumn<Form**>("form");
  QTest::addColumn<QString>("caption");
  const QString back = QStringLiteral("Назад");
  const QString chart = QStringLiteral("График D/AveD");
  QTest::newRow("TForm1 Далее") << &Form1 << "Далее";
  QTest::newRow("TForm1 Выход") << &Form1 << "Выход";
  QTest::newRow("TForm2 Построить") << &Form2 << "Построить";
  QTest::newRow("TForm2 График") << &Form2 << chart;
  QTest::newRow("TForm2 Назад") << &Form2 << back;
  QTest::newRow("TForm3 Назад") << &Form3 << back;
  QTest::newRow("TForm5 График") << &Form5 << chart;
  QTest::newRow("TForm5 Назад") << &Form5 << back;
  QTest::newRow("TForm6 Назад") << &Form6 << back;
  QTest::newRow("TForm7 График") << &Form7 << chart;
  QTest::newRow("TForm7 Назад") << &Form7 << back;
  QTest::newRow("TForm9 Назад") << &Form9 << back;
}

// Enter on the focused button presses it once, as Space does.
void WizardTest::enterPressesEveryButton() {
  QFETCH(Form**, form);
  QFETCH(QString, caption);
  Form& window = **form;
  window.Show();
  QPushButton* button = nullptr;
  for (QPushButton* candidate : window.findChildren<QPushButton*>()) {
    if (candidate->text() == caption) button = candidate;
  }
  QVERIFY(button);
  if (&window == Form1) First().RadioGroup1->Item(2)->click();  // enables "Далее"
  if (&window == Form2) static_cast<TForm2&>(window).ComboBox1->SetText(QStringLiteral("8"));
  button->setEnabled(true);
  button->setFocus();
  QSignalSpy clicks(button, &QPushButton::clicked);
  QTest::keyClick(button, Qt::Key_Return);
  QCOMPARE(clicks.count(), 1);
  QVERIFY(messages_.isEmpty());
}

void WizardTest::chooserTabCycle() {
  First().RadioGroup1->Item(0)->click();
  TForm1& f = First();
  const std::vector<QWidget*> forward{f.RadioGroup1, f.Next, f.Exit};
  QCOMPARE(testing::TabCycle(f, f.RadioGroup1->Item(0), true), forward);
  const std::vector<QWidget*> backward{f.Next, f.RadioGroup1, f.Exit};
  QCOMPARE(testing::TabCycle(f, f.Next, false), backward);
}

QTEST_MAIN(WizardTest)
#include "tst_wizard.moc"
