// The view: scroll extents from N, the drawing recorded through the canvas
// seam, pixels on screen while scrolling and after a rebuild, and printing
// one page to a PDF file.
#include <QPainter>
#include <QPrinter>
#include <QRegularExpression>
#include <QScrollBar>
#include <QTemporaryDir>
#include <QtTest>

#include "circulant.h"
#include "framework/paintercanvas.h"
#include "recordingcanvas.h"
#include "ringgeometry.h"
#include "testsupport.h"
#include "velmardoc.h"
#include "velmarview.h"

using velmar::test::CanvasOp;
using velmar::test::CountPdfPages;
using velmar::test::RecordingCanvas;

namespace {

void Store(CVelmarDoc& document, const char* vertices, const char* generators) {
  velmar::test::StoreCirculant(document, vertices, generators);
  document.UpdateAllViews(nullptr, 0, nullptr);
}

bool IsInk(const QImage& image, int x, int y) { return qGray(image.pixel(x, y)) < 128; }

}  // namespace

class TestVelmarView : public QObject {
  Q_OBJECT

 private slots:
  void init() {
    document_ = std::make_unique<CVelmarDoc>();
    view_ = std::make_unique<CVelmarView>();
    document_->AddView(view_.get());
    view_->OnInitialUpdate();
  }
  void cleanup() {
    view_.reset();
    document_.reset();
  }

  void emptyDocumentDrawsNothingAndDoesNotScroll() {
    view_->resize(100, 100);
    view_->show();
    RecordingCanvas canvas;
    view_->DrawPicture(canvas);
    QVERIFY(canvas.ops.empty());
    QCOMPARE(view_->TotalSize(), QSize(0, 0));
    QCOMPARE(view_->horizontalScrollBar()->maximum(), 0);
    QCOMPARE(view_->verticalScrollBar()->maximum(), 0);
  }

  void updateSetsTheScrollSizes_data() {
    QTest::addColumn<QByteArray>("vertices");
    QTest::addColumn<int>("total");
    QTest::addColumn<int>("page");
    QTest::newRow("N=4") << QByteArray("4") << 180 << 20;
    QTest::newRow("N=8") << QByteArray("8") << 360 << 40;
    QTest::newRow("N=99") << QByteArray("99") << 4455 << 495;
  }
  void updateSetsTheScrollSizes() {
    QFETCH(QByteArray, vertices);
    QFETCH(int, total);
    QFETCH(int, page);
    Store(*document_, vertices.constData(), "1");
    QCOMPARE(view_->TotalSize(), QSize(total, total));
    QCOMPARE(view_->PageSize(), QSize(page, page));
    QCOMPARE(view_->LineSize(), QSize(10, 10));
  }

  void drawsTheHeldCirculantInRowOrder() {
    Store(*document_, "8", "1 2");
    RecordingCanvas canvas;
    view_->DrawPicture(canvas);
    QCOMPARE(canvas.Count(CanvasOp::Kind::LineTo), 32);
    QCOMPARE(canvas.Path().mid(0, 4), (QStringList{"M 120,0", "L 204,35", "M 120,0", "L 239,119"}));
  }

  void smallWindowScrollsAndMovesThePicture() {
    Store(*document_, "8", "1 2");
    view_->resize(150, 150);
    view_->show();
    QVERIFY(view_->horizontalScrollBar()->maximum() > 0);
    QVERIFY(view_->verticalScrollBar()->maximum() > 0);
    QCOMPARE(view_->horizontalScrollBar()->singleStep(), 10);
    QCOMPARE(view_->horizontalScrollBar()->pageStep(), 40);
    QImage image = view_->viewport()->grab().toImage();
    QVERIFY(IsInk(image, 120, 0));  // vertex 0
    view_->horizontalScrollBar()->setValue(30);
    image = view_->viewport()->grab().toImage();
    QVERIFY(IsInk(image, 90, 0));
    QVERIFY(!IsInk(image, 120, 0));
  }

  void largeWindowShowsNoScrollBars() {
    Store(*document_, "4", "1");
    view_->resize(400, 400);
    view_->show();
    QCOMPARE(view_->horizontalScrollBar()->maximum(), 0);
    QCOMPARE(view_->verticalScrollBar()->maximum(), 0);
  }

  void rebuildLeavesNoLineOfTheEarlierCirculant() {
    view_->resize(400, 400);
    view_->show();
    Store(*document_, "8", "1 2");
    QImage image = view_->viewport()->grab().toImage();
    // The chord from vertex 0 (120,0) to vertex 2 (239,119) passes (180,60).
    QVERIFY(IsInk(image, 180, 60));
    Store(*document_, "4", "1");
    image = view_->viewport()->grab().toImage();
    QVERIFY(!IsInk(image, 180, 60));
    QVERIFY(IsInk(image, 60, 0));
  }

  // The black ring keeps the white page under it whatever the desktop's
  // colours: the bases of Adwaita-dark and Breeze Dark, and a light one.
  void ringOnTheWhitePageUnderAnyTheme_data() {
    QTest::addColumn<QColor>("ground");
    QTest::newRow("Adwaita-dark") << QColor(36, 36, 36);
    QTest::newRow("Breeze Dark") << QColor(27, 30, 32);
    QTest::newRow("light grey") << QColor(239, 239, 239);
  }
  void ringOnTheWhitePageUnderAnyTheme() {
    QFETCH(QColor, ground);
    const velmar::test::DesktopPalette theme(ground);
    view_->resize(400, 400);
    view_->show();
    Store(*document_, "8", "1 2");
    const QImage image = view_->viewport()->grab().toImage();
    QCOMPARE(QColor(image.pixel(120, 0)), QColor(Qt::black));    // vertex 0
    QCOMPARE(QColor(image.pixel(300, 300)), QColor(Qt::white));  // beyond the ring
    QCOMPARE(QColor(image.pixel(120, 120)), QColor(Qt::white));  // inside it
  }

  void printsOnePageToPdf() {
    Store(*document_, "8", "1 2");
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("ring.pdf"));
    QPrinter printer(QPrinter::HighResolution);
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(path);
    QVERIFY(view_->PrintDirect(printer));
    QCOMPARE(CountPdfPages(path), 1);
  }

  void printsAtOneDotPerUnit() {
    Store(*document_, "8", "1 2");
    QImage page(600, 600, QImage::Format_RGB32);
    page.fill(Qt::white);
    QPainter painter(&page);
    velmar::PainterCanvas canvas(painter);
    view_->DrawPicture(canvas);
    painter.end();
    QVERIFY(IsInk(page, 120, 0));
    QVERIFY(IsInk(page, 0, 120));
    for (int x = 241; x < 600; ++x) QVERIFY(!IsInk(page, x, 120));
  }

 private:
  std::unique_ptr<CVelmarDoc> document_;
  std::unique_ptr<CVelmarView> view_;
};

QTEST_MAIN(TestVelmarView)
#include "tst_velmarview.moc"
