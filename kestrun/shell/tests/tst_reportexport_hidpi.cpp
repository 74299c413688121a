// The pictures on a screen scaled to 200%: twice the pixels, the same drawing
// in the control's own pixels, and files and clipboard at that density. Runs
// with QT_SCALE_FACTOR=2.
#include <QClipboard>
#include <QFile>
#include <QImage>
#include <QtTest>

#include "circulant_drawing.h"
#include "forms/chartform.h"
#include "forms/image.h"
#include "report_fixture.h"
#include "unit2.h"
#include "unit7.h"

using namespace kestrun;

namespace {

TForm2& Hypercube() { return *dynamic_cast<TForm2*>(Form2); }
TForm7& Circulant() { return *dynamic_cast<TForm7*>(Form7); }

bool IsBlack(const QImage& image, int x, int y) { return (image.pixel(x, y) & 0xFFFFFF) == 0; }

}  // namespace

class ReportHiDpiTest : public QObject {
  Q_OBJECT

 private slots:
  void initTestCase() { QCOMPARE(qApp->devicePixelRatio(), 2.0); }
  void pictureHasTwiceThePixelsAndTheSameOperations();
  void lineIsOneDevicePixelThin();
  void aNewDensityPaintsTheSamePictureAgain();
  void savedAndCopiedPicturesKeepTheDensity();
};

void ReportHiDpiTest::pictureHasTwiceThePixelsAndTheSameOperations() {
  ReportRun run;
  Form7->Show();
  const QImage& picture = Circulant().Image1->picture();
  QCOMPARE(picture.size(), QSize(2 * kCirculantImageWidth, 2 * kCirculantImageHeight));
  QCOMPARE(picture.devicePixelRatio(), 2.0);
  QCOMPARE(Circulant().Image1->size(), QSize(kCirculantImageWidth, kCirculantImageHeight));

  RecordingCanvas drawn;
  Circulant().Image1->SetObserver(&drawn);
  Circulant().RadioGroup1->Item(1)->click();  // N = 37
  Circulant().Image1->SetObserver(nullptr);
  // The window draws exactly what it draws at 100%.
  RecordingCanvas expected;
  DrawCirculant(expected, 37, CirculantGenerators);
  QCOMPARE(drawn.ops(), expected.ops());
  // Each vertex lands on twice its coordinates.
  for (const VertexPlace& place : CirculantPlaces(37))
    QVERIFY(IsBlack(Circulant().Image1->picture(), 2 * place.X, 2 * place.Y));
}

void ReportHiDpiTest::lineIsOneDevicePixelThin() {
  QWidget parent;
  Image image(&parent, QRect(0, 0, 40, 30));
  image.canvas().MoveTo(5, 10);
  image.canvas().LineTo(35, 10);
  const QImage& picture = image.picture();
  QCOMPARE(picture.size(), QSize(80, 60));
  int black = 0;
  for (int y = 0; y < picture.height(); ++y) black += IsBlack(picture, 40, y) ? 1 : 0;
  QCOMPARE(black, 1);  // a thin line, not a two-pixel block
  QVERIFY(IsBlack(picture, 10, 20));
  QVERIFY(IsBlack(picture, 70, 20));

  image.canvas().TextOut(2, 14, "38");
  int inked = 0;
  for (int y = 28; y < 60; ++y)
    for (int x = 4; x < 40; ++x) inked += (picture.pixel(x, y) & 0xFFFFFF) != 0xFFFFFF ? 1 : 0;
  QVERIFY(inked > 20);  // the label is drawn at the density too
}

void ReportHiDpiTest::aNewDensityPaintsTheSamePictureAgain() {
  ReportRun run;
  Form2->Show();
  Hypercube().ComboBox1->SetText(QStringLiteral("32"));
  Hypercube().DrawClick();
  const QImage atTwo = Hypercube().Image1->picture().copy();
  const std::vector<CanvasOp> ops = Hypercube().Image1->Operations();

  Hypercube().Image1->RenderAt(1.0);  // moved to a screen at 100%
  QCOMPARE(Hypercube().Image1->picture().size(), QSize(417, 353));
  QCOMPARE(Hypercube().Image1->picture().devicePixelRatio(), 1.0);
  Hypercube().Image1->RenderAt(1.5);
  QCOMPARE(Hypercube().Image1->picture().size(), QSize(626, 530));  // rounded up
  Hypercube().Image1->grab();  // a repaint on the 200% screen paints it again
  QCOMPARE(Hypercube().Image1->picture(), atTwo);
  QCOMPARE(Hypercube().Image1->Operations(), ops);
  // The red pen of the last drawing is still the window's pen.
  QCOMPARE(Hypercube().Image1->canvas().PenColor(), kRed);
}

void ReportHiDpiTest::savedAndCopiedPicturesKeepTheDensity() {
  ReportRun run;
  Form7->Show();
  Circulant().RadioGroup1->Item(2)->click();
  const QString png = run.dir.filePath(QStringLiteral("circulant-38.png"));
  run.Menu(*Circulant().Image1, QStringLiteral("Сохранить изображение…"), png);
  QImage saved;
  QVERIFY(saved.load(png, "PNG"));
  QCOMPARE(saved.size(), QSize(2 * kCirculantImageWidth, 2 * kCirculantImageHeight));
  // 192 dots per inch: a report shows it at the size the window does.
  QCOMPARE(saved.dotsPerMeterX(), 7559);
  QCOMPARE(saved.dotsPerMeterY(), 7559);

  // The SVG keeps the control's own coordinates.
  const QString svg = run.dir.filePath(QStringLiteral("circulant-38.svg"));
  run.Menu(*Circulant().Image1, QStringLiteral("Сохранить изображение…"), svg);
  QFile file(svg);
  QVERIFY(file.open(QIODevice::ReadOnly));
  const QString text = QString::fromUtf8(file.readAll());
  QVERIFY(text.contains(QStringLiteral("viewBox=\"0 0 361 337\"")));
  QCOMPARE(SegmentsOf(text), SegmentsOf(Circulant().Image1->Operations()));

  run.Menu(*Circulant().Image1, QStringLiteral("Копировать изображение"));
  QCOMPARE(QGuiApplication::clipboard()->image().size(), saved.size());

  Circulant().NextClick();
  ChartForm& chart = *dynamic_cast<ChartForm*>(Form9);
  const QString chartPng = run.dir.filePath(QStringLiteral("circulant-chart.png"));
  run.Menu(*chart.ChartView, QStringLiteral("Сохранить изображение…"), chartPng);
  QVERIFY(saved.load(chartPng, "PNG"));
  QCOMPARE(saved.size(), 2 * chart.ChartView->size());
  QVERIFY(run.messages.isEmpty());
}

QTEST_MAIN(ReportHiDpiTest)
#include "tst_reportexport_hidpi.moc"
