// Taking pictures, tables and chart data into a report: the menus, the files
// they write, the clipboard, and saves that fail.
#include <QClipboard>
#include <QDialogButtonBox>
#include <QFile>
#include <QFileDialog>
#include <QImage>
#include <QLabel>
#include <QMessageBox>
#include <QXmlStreamReader>
#include <QtTest>
#include <cstdlib>

#include "circulant_drawing.h"
#include "circulant_graph.h"
#include "core/chart_csv.h"
#include "core/diameter_series.h"
#include "core/replayable_canvas.h"
#include "core/svg_picture.h"
#include "forms/chartform.h"
#include "forms/image.h"
#include "forms/qtrussian.h"
#include "report_fixture.h"
#include "unit2.h"
#include "unit5.h"
#include "unit7.h"

using namespace kestrun;

namespace {

TForm2& Hypercube() { return *dynamic_cast<TForm2*>(Form2); }
TForm5& GenCube() { return *dynamic_cast<TForm5*>(Form5); }
TForm7& Circulant() { return *dynamic_cast<TForm7*>(Form7); }
ChartForm& Chart(Form* form) { return *dynamic_cast<ChartForm*>(form); }

void DrawHypercube(const QString& count) {
  Form2->Show();
  Hypercube().ComboBox1->SetText(count);
  Hypercube().DrawClick();
}

bool WellFormed(const QString& xml) {
  QXmlStreamReader reader(xml);
  while (!reader.atEnd()) reader.readNext();
  return !reader.hasError();
}

QByteArray Read(const QString& path) {
  QFile file(path);
  return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

// Rows of a CSV text, each split at the commas.
QList<QStringList> CsvRows(const QByteArray& csv) {
  QList<QStringList> rows;
  for (const QString& line : QString::fromUtf8(csv).split(QLatin1Char('\n'), Qt::SkipEmptyParts))
    rows << line.split(QLatin1Char(','));
  return rows;
}

}  // namespace

class ReportExportTest : public QObject {
  Q_OBJECT

 private slots:
  void initTestCase();
  void qtDialogsSpeakRussian();
  void systemReasonsInRussian_data();
  void systemReasonsInRussian();
  void replayPaintsTheSamePictureAndForgetsWhatAFullFillHides();
  void svgKeepsEveryCoordinateAndEscapesText();
  void csvRoundTripsEveryValue();
  void menusOfferTheirEntries();
  void circulantSvgHoldsExactlyTheDrawnChords();
  void picturePngHasThePictureSize();
  void proposedNamesFollowTheWindow();
  void tableCopyIsTabSeparatedWithTheFixedRow();
  void chartDataHoldsEachSeries_data();
  void chartDataHoldsEachSeries();
  void chartPictureSavesAsPngAndSvg();
  void failedSaveShowsAMessageAndLeavesNoFile();
  void failedSaveKeepsTheEarlierFile();
  void cancelledDialogWritesNothing();
  void menuKeyOpensThePictureMenu();
};

void ReportExportTest::initTestCase() { QVERIFY(InstallQtRussian()); }

void ReportExportTest::qtDialogsSpeakRussian() {
  const auto dialog = MakeSaveDialog(nullptr, QStringLiteral("circulant-35.png"),
                                     {QStringLiteral("Изображение PNG (*.png)")});
  dialog->show();
  QCOMPARE(dialog->windowTitle(), QStringLiteral("Сохранить"));
  QStringList buttons;
  for (QAbstractButton* button : dialog->findChild<QDialogButtonBox*>()->buttons())
    buttons << button->text();
  QCOMPARE(buttons, (QStringList{QStringLiteral("&Сохранить"), QStringLiteral("Отмена")}));
  QStringList labels;
  for (QLabel* label : dialog->findChildren<QLabel*>()) labels << label->text();
  QVERIFY2(labels.contains(QStringLiteral("&Имя файла:")), qPrintable(labels.join(u'|')));

  // The question before a file is replaced, and its buttons.
  const QString replace =
      QCoreApplication::translate("QFileDialog", "%1 already exists.\nDo you want to replace it?");
  QVERIFY2(replace.contains(QStringLiteral("существует")), qPrintable(replace));
  QMessageBox question;
  question.setStandardButtons(QMessageBox::Yes | QMessageBox::No);
  QCOMPARE(question.button(QMessageBox::Yes)->text(), QStringLiteral("&Да"));
  QCOMPARE(question.button(QMessageBox::No)->text(), QStringLiteral("&Нет"));
}

void ReportExportTest::systemReasonsInRussian_data() {
  QTest::addColumn<QString>("reason");
  QTest::addColumn<QString>("russian");
  QTest::newRow("EACCES") << "Permission denied"
                          << "Доступ запрещён";
  QTest::newRow("ENOENT") << "No such file or directory"
                          << "Файл или каталог не существует";
  QTest::newRow("ENOSPC") << "No space left on device"
                          << "Нет свободного места на устройстве";
  QTest::newRow("already Russian") << "Это не каталог"
                                   << "Это не каталог";
}

void ReportExportTest::systemReasonsInRussian() {
  QFETCH(QString, reason);
  QFETCH(QString, russian);
  QCOMPARE(SystemReason(reason), russian);
}

void ReportExportTest::replayPaintsTheSamePictureAndForgetsWhatAFullFillHides() {
  QWidget parent;
  Image image(&parent, QRect(0, 0, 60, 40));
  Canvas& canvas = image.canvas();
  canvas.SetPenColor(kRed);
  canvas.MoveTo(2, 3);
  canvas.LineTo(50, 30);
  canvas.FillRect(0, 0, 60, 40);            // hides the red line
  QCOMPARE(image.Operations().size(), 4u);  // brush, pen, the pen's place, the fill
  canvas.LineTo(10, 35);                    // starts where the hidden line ended
  canvas.SetBrushColor(kRed);
  canvas.FillRect(5, 5, 9, 9);  // partial: everything stays
  canvas.TextOut(20, 10, "17");
  const QImage before = image.picture().copy();
  QCOMPARE(image.Operations().size(), 8u);

  image.RenderAt(1.0);
  QCOMPARE(image.picture(), before);
  QCOMPARE(image.Operations().size(), 8u);  // a replay records nothing new
  QCOMPARE(SegmentsOf(image.Operations()), (std::vector<Segment>{{50, 30, 10, 35}}));
  QCOMPARE(image.canvas().BrushColor(), kRed);
  QCOMPARE(image.canvas().PenColor(), kRed);

  image.RenderAt(0.0);  // no such density: the picture stays
  QCOMPARE(image.picture(), before);
}

void ReportExportTest::svgKeepsEveryCoordinateAndEscapesText() {
  RecordingCanvas canvas;
  canvas.SetBrushColor(Rgb{1, 2, 3});
  canvas.FillRect(1, 2, 11, 22);
  canvas.FillRect(5, 5, 5, 9);  // empty: nothing to show
  canvas.SetBrushColor(kWhite);
  canvas.TextOut(7, 8, "a<&>\"b");
  canvas.SetPenColor(kRed);
  canvas.LineTo(30, 40);
  canvas.LineTo(30, 45);
  canvas.TextOut(1, 1, "x");
  canvas.LineTo(0, 0);
  SvgFont font{"Sans", 11, 13, 10, [](const std::string& text) { return 6 * int(text.size()); }};
  const QString svg = QString::fromStdString(PictureSvg(canvas.ops(), 100, 50, font));
  QVERIFY(svg.startsWith(QStringLiteral("<?xml")));
  QVERIFY(svg.contains(QStringLiteral(R"(width="100" height="50" viewBox="0 0 100 50")")));
  QVERIFY(
      svg.contains(QStringLiteral(R"(<rect x="1" y="2" width="10" height="20" fill="#010203"/>)")));
  QVERIFY(WellFormed(svg));
  QCOMPARE(svg.count(QStringLiteral("<rect")), 4);  // the white ground, one fill, two label boxes
  QVERIFY(
      svg.contains(QStringLiteral(R"(<rect x="7" y="8" width="36" height="13" fill="#ffffff"/>)")));
  QVERIFY(svg.contains(
      QStringLiteral(R"(<text x="7" y="18" fill="#000000">a&lt;&amp;&gt;&quot;b</text>)")));
  QCOMPARE(SegmentsOf(svg),
           (std::vector<Segment>{{0, 0, 30, 40}, {30, 40, 30, 45}, {30, 45, 0, 0}}));
  // Lines run through pixel centres, as the screen draws them.
  QCOMPARE(svg.count(QStringLiteral("<g transform=\"translate(0.5 0.5)\">")), 2);
  QVERIFY(svg.contains(QStringLiteral(R"(stroke="#ff0000")")));
  QVERIFY(svg.trimmed().endsWith(QStringLiteral("</svg>")));
}

void ReportExportTest::csvRoundTripsEveryValue() {
  const double third = 1.0 / 3.0;
  const std::string csv =
      ChartCsv({{35, 4}, {37, 3}, {35, 4}}, {{35, third}, {37, 2.5}, {40, 1e-300}});
  QCOMPARE(QByteArray::fromStdString(csv),
           QByteArray("N,D,AveD\n35,4,0.3333333333333333\n37,3,2.5\n40,,1e-300\n"));
  QCOMPARE(std::strtod(RoundTrip(third).c_str(), nullptr), third);
  QCOMPARE(std::strtod(RoundTrip(0.1 + 0.2).c_str(), nullptr), 0.1 + 0.2);
  QCOMPARE(RoundTrip(std::numeric_limits<double>::infinity()), std::string("inf"));
  // A point with no place in the order is left out, not a crash.
  QCOMPARE(ChartCsv({{std::nan(""), 1}}, {}), std::string("N,D,AveD\n"));
}

void ReportExportTest::menusOfferTheirEntries() {
  ReportRun run;
  const QStringList picture{QStringLiteral("Копировать изображение"),
                            QStringLiteral("Сохранить изображение…")};
  for (Image* image : {Hypercube().Image1, GenCube().Image1, Circulant().Image1}) {
    run.Menu(*image, {});
    QCOMPARE(run.entries, picture);
  }
  for (StringGrid* grid : {Hypercube().StringGrid1, GenCube().Tab}) {
    run.Menu(*grid, {});
    QCOMPARE(run.entries, QStringList{QStringLiteral("Копировать таблицу")});
  }
  for (Form* form : {Form3, Form6, Form9}) {
    run.Menu(*Chart(form).ChartView, {});
    QCOMPARE(run.entries, picture + QStringList{QStringLiteral("Сохранить данные…")});
  }
  QVERIFY(run.proposed.isEmpty());  // opening a menu asks nothing
}

void ReportExportTest::circulantSvgHoldsExactlyTheDrawnChords() {
  ReportRun run;
  Form7->Show();
  RecordingCanvas drawn;
  Circulant().Image1->SetObserver(&drawn);
  Circulant().RadioGroup1->Item(2)->click();  // N = 38
  Circulant().Image1->SetObserver(nullptr);

  const QString path = run.dir.filePath(QStringLiteral("circulant-38.svg"));
  run.Menu(*Circulant().Image1, QStringLiteral("Сохранить изображение…"), path);
  QVERIFY(run.messages.isEmpty());
  const QString svg = QString::fromUtf8(Read(path));
  QVERIFY(WellFormed(svg));
  const std::vector<Segment> chords = SegmentsOf(svg);
  QCOMPARE(chords.size(), 2u * 5u * 38u);  // every edge from both ends
  QCOMPARE(chords, SegmentsOf(drawn.ops()));
  // The first chord leaves vertex 0 for vertex 1.
  const std::vector<VertexPlace> places = CirculantPlaces(38);
  QCOMPARE(chords.front(), (Segment{places[0].X, places[0].Y, places[1].X, places[1].Y}));
  // Every label at the top-left corner it was drawn at.
  QCOMPARE(svg.count(QStringLiteral("<text")), 38);
  for (int i = 0; i < 38; ++i) {
    const QString box =
        QStringLiteral(R"(<rect x="%1" y="%2" )").arg(places[i].LX).arg(places[i].LY);
    QVERIFY2(svg.contains(box), qPrintable(box));
    QVERIFY(svg.contains(QStringLiteral(">%1</text>").arg(i)));
  }
}

void ReportExportTest::picturePngHasThePictureSize() {
  ReportRun run;
  DrawHypercube(QStringLiteral("16"));
  const QString path = run.dir.filePath(QStringLiteral("hypercube-16.png"));
  run.Menu(*Hypercube().Image1, QStringLiteral("Сохранить изображение…"), path);
  QImage saved;
  QVERIFY(saved.load(path, "PNG"));
  QCOMPARE(saved.size(), QSize(417, 353));
  QCOMPARE(saved.dotsPerMeterX(), 3780);  // 96 dots per inch
  QCOMPARE(saved.convertToFormat(QImage::Format_RGB32),
           Hypercube().Image1->picture().convertToFormat(QImage::Format_RGB32));

  run.Menu(*Hypercube().Image1, QStringLiteral("Копировать изображение"));
  QCOMPARE(QGuiApplication::clipboard()->image().convertToFormat(QImage::Format_RGB32),
           saved.convertToFormat(QImage::Format_RGB32));
}

void ReportExportTest::proposedNamesFollowTheWindow() {
  ReportRun run;
  const QString save = QStringLiteral("Сохранить изображение…");
  Form7->Show();
  run.Menu(*Circulant().Image1, save);  // nothing chosen yet
  Circulant().RadioGroup1->Item(1)->click();
  run.Menu(*Circulant().Image1, save);
  Form5->Show();
  GenCube().RadioGroup1->Item(1)->click();
  run.Menu(*GenCube().Image1, save);
  run.Menu(*Hypercube().Image1, save);  // before the first drawing
  DrawHypercube(QStringLiteral("16"));
  run.Menu(*Hypercube().Image1, save);
  DrawHypercube(QStringLiteral("x"));  // refused: the image is blank again
  run.Menu(*Hypercube().Image1, save);
  run.Menu(*Chart(Form9).ChartView, save);
  run.Menu(*Chart(Form3).ChartView, QStringLiteral("Сохранить данные…"));
  QCOMPARE(run.proposed, (QStringList{"circulant.png", "circulant-37.png", "gencube-27.png",
                                      "hypercube.png", "hypercube-16.png", "hypercube.png",
                                      "circulant-chart.png", "hypercube-chart.csv"}));
  QCOMPARE(run.offeredFilters.size(), 1);
  QVERIFY(run.offeredFilters.first().contains(QStringLiteral("*.csv")));
  QVERIFY(run.messages.size() == 1);  // the conversion message of "x", nothing of ours
}

void ReportExportTest::tableCopyIsTabSeparatedWithTheFixedRow() {
  ReportRun run;
  DrawHypercube(QStringLiteral("4"));
  run.Menu(*Hypercube().StringGrid1, QStringLiteral("Копировать таблицу"));
  QCOMPARE(QGuiApplication::clipboard()->text(), QStringLiteral("\t\t\t\t\t\n"
                                                                "0\t0\t0\t0\t0\t0\n"
                                                                "1\t0\t0\t0\t0\t1\n"
                                                                "2\t0\t0\t0\t1\t0\n"
                                                                "3\t0\t0\t0\t1\t1\n"));

  Form5->Show();
  GenCube().RadioGroup1->Item(0)->click();
  run.Menu(*GenCube().Tab, QStringLiteral("Копировать таблицу"));
  const QStringList lines = QGuiApplication::clipboard()->text().split(QLatin1Char('\n'));
  QCOMPARE(lines.size(), 25 + 1);  // 25 rows, each ended by a line break
  QCOMPARE(lines[0], QStringLiteral("\t\t\t"));
  QCOMPARE(lines[24], QStringLiteral("23\t3\t2\t1"));
}

void ReportExportTest::chartDataHoldsEachSeries_data() {
  QTest::addColumn<int>("window");
  QTest::newRow("hypercube") << 2;
  QTest::newRow("generalized cube") << 5;
  QTest::newRow("circulant") << 7;
}

void ReportExportTest::chartDataHoldsEachSeries() {
  QFETCH(int, window);
  ReportRun run;
  Form* chart = nullptr;
  std::vector<double> x;
  const std::int32_t* d = nullptr;
  const double* aveD = nullptr;
  // Twice through the chart: its series then hold every point twice.
  for (int visit = 0; visit < 2; ++visit) {
    switch (window) {
      case 2:
        Form2->Show();
        Hypercube().DiamClick();
        chart = Form3, x = {2, 4, 8, 16, 32};
        d = HypercubeSeries.D.data(), aveD = HypercubeSeries.AveD.data();
        break;
      case 5:
        Form5->Show();
        GenCube().NextClick();
        chart = Form6, x = {24, 27, 30};
        d = GenCubeSeries.D.data(), aveD = GenCubeSeries.AveD.data();
        break;
      default:
        Form7->Show();
        Circulant().NextClick();
        chart = Form9, x = {35, 37, 38, 40, 41};
        d = CirculantSeries.D.data(), aveD = CirculantSeries.AveD.data();
    }
  }
  QVERIFY(chart->isVisible());
  const QString path = run.dir.filePath(QStringLiteral("data.csv"));
  run.Menu(*Chart(chart).ChartView, QStringLiteral("Сохранить данные…"), path);
  const QList<QStringList> rows = CsvRows(Read(path));
  QCOMPARE(rows.size(), int(x.size()) + 1);
  QCOMPARE(rows[0], (QStringList{"N", "D", "AveD"}));
  for (std::size_t k = 0; k < x.size(); ++k) {
    const QStringList& row = rows[int(k) + 1];
    QCOMPARE(row.size(), 3);
    QCOMPARE(row[0].toDouble(), x[k]);
    QCOMPARE(row[1], QString::number(d[k]));
    QCOMPARE(std::strtod(row[2].toLatin1().constData(), nullptr), aveD[k]);  // every bit
  }
  QVERIFY(aveD[0] > 0);  // the windows really computed the series
}

void ReportExportTest::chartPictureSavesAsPngAndSvg() {
  ReportRun run;
  Form7->Show();
  Circulant().NextClick();
  QChartView& view = *Chart(Form9).ChartView;
  const QString png = run.dir.filePath(QStringLiteral("circulant-chart.png"));
  run.Menu(view, QStringLiteral("Сохранить изображение…"), png);
  QImage saved;
  QVERIFY(saved.load(png, "PNG"));
  QCOMPARE(saved.size(), view.size() * view.devicePixelRatio());

  const QString svg = run.dir.filePath(QStringLiteral("circulant-chart.svg"));
  run.Menu(view, QStringLiteral("Сохранить изображение…"), svg);
  const QByteArray text = Read(svg);
  QVERIFY(text.contains("<svg"));
  QVERIFY(text.contains("</svg>"));
  QVERIFY(QString::fromUtf8(text).contains(QStringLiteral("Ср.Диаметр")));
  QVERIFY(run.messages.isEmpty());

  run.Menu(view, QStringLiteral("Копировать изображение"));
  QCOMPARE(QGuiApplication::clipboard()->image().size(), saved.size());
}

void ReportExportTest::failedSaveShowsAMessageAndLeavesNoFile() {
  ReportRun run;
  Form7->Show();
  Circulant().RadioGroup1->Item(0)->click();
  // A folder under a plain file cannot be made, not even by root.
  QFile plain(run.dir.filePath(QStringLiteral("plain")));
  QVERIFY(plain.open(QIODevice::WriteOnly));
  plain.close();
  const QStringList paths{run.dir.filePath(QStringLiteral("plain/circulant-35.svg")),
                          run.dir.filePath(QStringLiteral("plain/circulant-35.png")),
                          QStringLiteral("/proc/circulant-35.png")};
  for (const QString& path : paths) {
    run.Menu(*Circulant().Image1, QStringLiteral("Сохранить изображение…"), path);
    QVERIFY(!QFile::exists(path));
  }
  run.Menu(*Chart(Form9).ChartView, QStringLiteral("Сохранить данные…"), paths[0]);
  run.Menu(*Chart(Form9).ChartView, QStringLiteral("Сохранить изображение…"), paths[1]);
  QCOMPARE(run.messages.size(), 5);
  // The system's reason follows in Russian, as the rest of the message.
  static const QRegularExpression russianReason(QStringLiteral("\": [^A-Za-z\"]+$"));
  for (const QString& message : run.messages) {
    QVERIFY2(message.startsWith(QStringLiteral("Не удалось сохранить файл \"")),
             qPrintable(message));
    QVERIFY2(russianReason.match(message).hasMatch(), qPrintable(message));
  }
  QVERIFY(run.messages[0].contains(paths[0]));
  QCOMPARE(QDir(run.dir.path()).entryList(QDir::Files | QDir::Hidden),
           QStringList{QStringLiteral("plain")});
  QVERIFY(Circulant().isVisible());  // the window goes on
}

void ReportExportTest::failedSaveKeepsTheEarlierFile() {
  ReportRun run;
  const QString path = run.dir.filePath(QStringLiteral("kept.csv"));
  QVERIFY(WriteFileWhole(path, "earlier"));
  // A folder in place of the file: the new text cannot take its place.
  const QString folder = run.dir.filePath(QStringLiteral("folder.csv"));
  QVERIFY(QDir().mkdir(folder));
  QVERIFY(!WriteFileWhole(folder, "new"));
  QCOMPARE(Read(path), QByteArray("earlier"));
  QCOMPARE(run.messages.size(), 1);
  QCOMPARE(QDir(run.dir.path()).entryList(QDir::Files | QDir::Hidden),
           QStringList{QStringLiteral("kept.csv")});
}

void ReportExportTest::cancelledDialogWritesNothing() {
  ReportRun run;
  Form7->Show();
  run.Menu(*Circulant().Image1, QStringLiteral("Сохранить изображение…"), QString());
  run.Menu(*Chart(Form9).ChartView, QStringLiteral("Сохранить данные…"), QString());
  QCOMPARE(run.proposed.size(), 2);
  QVERIFY(run.messages.isEmpty());
  QVERIFY(QDir(run.dir.path()).isEmpty());
}

void ReportExportTest::menuKeyOpensThePictureMenu() {
  ReportRun run;
  Form7->Show();
  QWidget* focusBefore = QApplication::focusWidget();
  // A left click changes nothing: no menu, no focus.
  QTest::mouseClick(Circulant().Image1, Qt::LeftButton, {}, QPoint(10, 10));
  QVERIFY(run.entries.isEmpty());
  QCOMPARE(QApplication::focusWidget(), focusBefore);
  // The right button gives the picture the focus; the menu key then opens it.
  QTest::mousePress(Circulant().Image1, Qt::RightButton, {}, QPoint(10, 10));
  QTest::mouseRelease(Circulant().Image1, Qt::RightButton, {}, QPoint(10, 10));
  QCOMPARE(QApplication::focusWidget(), Circulant().Image1);
  // What the platform turns the menu key into, sent where the focus is.
  QContextMenuEvent key(QContextMenuEvent::Keyboard, QPoint(0, 0), QPoint(0, 0));
  QApplication::sendEvent(QApplication::focusWidget(), &key);
  QCOMPARE(run.entries.size(), 2);

  // Tables and charts take the focus by Tab already; the right button on them
  // reaches the menu through their scrolling viewport.
  Form9->Show();
  QChartView& chart = *Chart(Form9).ChartView;
  chart.setFocus();
  QApplication::sendEvent(QApplication::focusWidget(), &key);
  QCOMPARE(run.entries.size(), 3);
  DrawHypercube(QStringLiteral("2"));
  QContextMenuEvent mouse(QContextMenuEvent::Mouse, QPoint(5, 5), QPoint(5, 5));
  QApplication::sendEvent(Hypercube().StringGrid1->viewport(), &mouse);
  QCOMPARE(run.entries, QStringList{QStringLiteral("Копировать таблицу")});
  run.entries.clear();
  QApplication::sendEvent(chart.viewport(), &mouse);
  QCOMPARE(run.entries.size(), 3);
}

QTEST_MAIN(ReportExportTest)
#include "tst_reportexport.moc"
