// Vertex positions, scroll sizes and the exact drawing of the ring.
#include <QtTest>

#include "circulant.h"
#include "recordingcanvas.h"
#include "ringgeometry.h"

using velmar::CanvasPoint;
using velmar::test::CanvasOp;
using velmar::test::RecordingCanvas;

Q_DECLARE_METATYPE(std::vector<CanvasPoint>)

namespace {

velmar::AdjacencyMatrix Circulant(const char* vertices, const char* generators) {
  auto result = velmar::BuildCirculant(vertices, generators);
  return std::get<velmar::CirculantModel>(result).adjacency;
}

}  // namespace

class TestRingGeometry : public QObject {
  Q_OBJECT

 private slots:
  void positions_data() {
    QTest::addColumn<int>("n");
    QTest::addColumn<std::vector<CanvasPoint>>("expected");
    QTest::newRow("N=4") << 4 << std::vector<CanvasPoint>{{60, 0}, {119, 59}, {60, 119}, {0, 60}};
    // Vertex 2 lands at 239, not 240: truncation and the shortened full turn.
    QTest::newRow("N=8") << 8
                         << std::vector<CanvasPoint>{{120, 0},   {204, 35}, {239, 119}, {204, 204},
                                                     {120, 239}, {35, 204}, {0, 120},   {35, 35}};
    QTest::newRow("N=0") << 0 << std::vector<CanvasPoint>{};
  }
  void positions() {
    QFETCH(int, n);
    QFETCH(std::vector<CanvasPoint>, expected);
    QCOMPARE(velmar::VertexPositions(n), expected);
  }

  void positionsStayInsideTheRingSquare() {
    for (int n = 1; n <= 99; ++n) {
      for (const CanvasPoint& p : velmar::VertexPositions(n)) {
        QVERIFY2(p.x >= 0 && p.y >= 0 && p.x <= 30 * n && p.y <= 30 * n,
                 qPrintable(QStringLiteral("N=%1 (%2,%3)").arg(n).arg(p.x).arg(p.y)));
      }
    }
  }

  void scrollSizes_data() {
    QTest::addColumn<int>("n");
    QTest::addColumn<int>("total");
    QTest::addColumn<int>("page");
    QTest::newRow("empty") << 0 << 0 << 0;
    QTest::newRow("N=4") << 4 << 180 << 20;
    QTest::newRow("N=8") << 8 << 360 << 40;
    QTest::newRow("N=99") << 99 << 4455 << 495;
  }
  void scrollSizes() {
    QFETCH(int, n);
    QFETCH(int, total);
    QFETCH(int, page);
    const velmar::ScrollSizes sizes = velmar::RingScrollSizes(n);
    QCOMPARE(sizes.total, (velmar::Extent{total, total}));
    QCOMPARE(sizes.page, (velmar::Extent{page, page}));
    QCOMPARE(sizes.line, (velmar::Extent{10, 10}));
  }

  void drawsEachEdgeFromBothEndsInRowOrder() {
    RecordingCanvas canvas;
    velmar::DrawCirculant(canvas, Circulant("8", "1 2"));
    const QStringList expectedStart{"M 120,0", "L 204,35", "M 120,0", "L 239,119", "M 120,0",
                                    "L 0,120", "M 120,0",  "L 35,35", "M 120,0",   "M 204,35"};
    QCOMPARE(canvas.Path().mid(0, expectedStart.size()), expectedStart);
    QCOMPARE(canvas.Count(CanvasOp::Kind::LineTo), 32);
    // One move per vertex and one back after every line.
    QCOMPARE(canvas.Count(CanvasOp::Kind::MoveTo), 8 + 32);
  }

  void selectsTheBlackPenAndRestoresThePreviousOne() {
    RecordingCanvas canvas;
    const velmar::Pen before = canvas.current;
    velmar::DrawCirculant(canvas, Circulant("4", "1"));
    QCOMPARE(canvas.ops.front().kind, CanvasOp::Kind::SelectPen);
    QCOMPARE(canvas.ops.front().pen, velmar::kEdgePen);
    QCOMPARE(canvas.ops.back().kind, CanvasOp::Kind::SelectPen);
    QCOMPARE(canvas.ops.back().pen, before);
  }

  void ringOfFourDrawsTheSquare() {
    RecordingCanvas canvas;
    velmar::DrawCirculant(canvas, Circulant("4", "1"));
    const QStringList expected{"M 60,0",   "L 119,59", "M 60,0",   "L 0,60",   "M 60,0",
                               "M 119,59", "L 60,0",   "M 119,59", "L 60,119", "M 119,59",
                               "M 60,119", "L 119,59", "M 60,119", "L 0,60",   "M 60,119",
                               "M 0,60",   "L 60,0",   "M 0,60",   "L 60,119", "M 0,60"};
    QCOMPARE(canvas.Path(), expected);
  }

  void onlyEntriesOfExactlyOneDraw() {
    velmar::AdjacencyMatrix matrix(3);
    matrix.at(0, 1) = 2;
    matrix.at(1, 2) = -1;
    matrix.at(2, 2) = 1;  // a loop: a line of length zero
    RecordingCanvas canvas;
    velmar::DrawCirculant(canvas, matrix);
    QCOMPARE(canvas.Count(CanvasOp::Kind::LineTo), 1);
    const CanvasPoint vertex2 = velmar::VertexPositions(3)[2];
    QCOMPARE(std::find_if(canvas.ops.begin(), canvas.ops.end(),
                          [](const CanvasOp& op) { return op.kind == CanvasOp::Kind::LineTo; })
                 ->point,
             vertex2);
  }

  void emptyMatrixDrawsNothing() {
    RecordingCanvas canvas;
    velmar::DrawCirculant(canvas, velmar::AdjacencyMatrix());
    QVERIFY(canvas.ops.empty());
  }
};

QTEST_APPLESS_MAIN(TestRingGeometry)
#include "tst_ringgeometry.moc"
