// The hypercube's codes, adjacency, both layouts, the recorded drawing and
// the D/AveD series, all without a window.
#include <QtTest>
#include <algorithm>
#include <bit>
#include <set>
#include <tuple>

#include "core/projection.h"
#include "core/recording_canvas.h"
#include "hypercube.h"
#include "hypercube_layout.h"
#include "hypercube_series.h"

using namespace kestrun;
using namespace kestrun::hypercube;

namespace {

Matrix AdjacencyOf(int n) {
  VertexCodes codes{};
  Matrix adjacency{};
  FillVertexCodes(codes, n);
  FillAdjacency(codes, n, adjacency);
  return adjacency;
}

struct Stroke {
  Pixel from;
  Pixel to;
  Rgb pen;
};

struct Drawing {
  std::vector<CanvasOp> labels;
  std::vector<Stroke> strokes;
  bool labelAfterStroke = false;
};

// Splits the recorded operations into labels and move+line strokes.
Drawing Decode(const std::vector<CanvasOp>& ops) {
  Drawing drawing;
  Pixel pen;
  for (const CanvasOp& op : ops) {
    switch (op.kind) {
      case CanvasOp::Kind::Text:
        drawing.labelAfterStroke |= !drawing.strokes.empty();
        drawing.labels.push_back(op);
        break;
      case CanvasOp::Kind::Move:
        pen = {op.x, op.y};
        break;
      case CanvasOp::Kind::Line:
        drawing.strokes.push_back({pen, {op.x, op.y}, op.colour});
        pen = {op.x, op.y};
        break;
      default:
        break;
    }
  }
  return drawing;
}

Pixel PointOf(int n, int v) {
  return (n <= kSmallLayoutLimit ? SmallLayoutPlace(v) : LargeLayoutPlace(v)).point;
}

// The colour an edge ends up with: the later of its two strokes lies on top.
std::optional<Rgb> FinalColour(const Drawing& drawing, Pixel a, Pixel b) {
  std::optional<Rgb> colour;
  for (const Stroke& s : drawing.strokes) {
    if ((s.from == a && s.to == b) || (s.from == b && s.to == a)) colour = s.pen;
  }
  return colour;
}

}  // namespace

class HypercubeTest : public QObject {
  Q_OBJECT

 private slots:
  void initTestCase() { ComputeProjectionConstants(); }
  void vertexCodesAreBinaryDigits();
  void adjacency_data();
  void adjacency();
  void largeLayout_data();
  void largeLayout();
  void smallLayout();
  void drawing_data();
  void drawing();
  void drawingOfTwoAndFourIsExact();
  void edgesOfTheLastFrameAreRed();
  void nothingIsDrawnOutsideOneToThirtyTwo();
  void seriesMatchesTheTable();
  void noBlockKeepsAnUnreachedPair();
};

void HypercubeTest::vertexCodesAreBinaryDigits() {
  VertexCodes codes{};
  FillVertexCodes(codes, 32);
  QVERIFY((codes[5] == std::array<std::int32_t, 5>{0, 0, 1, 0, 1}));
  QVERIFY((codes[31] == std::array<std::int32_t, 5>{1, 1, 1, 1, 1}));
  for (int v = 0; v < 32; ++v) {
    int value = 0;
    for (int digit : codes[v]) value = value * 2 + digit;
    QCOMPARE(value, v);
  }
  for (int v = 32; v < kTableSize; ++v) {
    QVERIFY((codes[v] == std::array<std::int32_t, 5>{}));
  }
  VertexCodes tooMany{};
  FillVertexCodes(tooMany, 1000);  // clamped: no row beyond the table is touched
  QVERIFY(codes == tooMany);
}

void HypercubeTest::adjacency_data() {
  QTest::addColumn<int>("n");
  for (int n : {1, 2, 3, 4, 8, 12, 16, 32}) QTest::addRow("n=%d", n) << n;
}

void HypercubeTest::adjacency() {
  QFETCH(int, n);
  const Matrix a = AdjacencyOf(n);
  int edges = 0;
  for (int i = 0; i < kTableSize; ++i) {
    for (int j = 0; j < kTableSize; ++j) {
      const bool inside = i < n && j < n;
      const bool neighbours = std::popcount(static_cast<unsigned>(i ^ j)) == 1;
      const int expected = !inside ? 0 : i == j ? kSelf : neighbours ? kEdge : 0;
      QCOMPARE(a[i][j], expected);
      QCOMPARE(a[i][j], a[j][i]);
      edges += a[i][j] == kEdge && i < j;
    }
  }
  if (std::has_single_bit(static_cast<unsigned>(n))) {
    const int dimension = std::countr_zero(static_cast<unsigned>(n));
    QCOMPARE(edges, n * dimension / 2);
  }
}

void HypercubeTest::largeLayout_data() {
  QTest::addColumn<int>("v");
  QTest::addColumn<QPoint>("point");
  const int table[32][2] = {{200, 125}, {298, 142}, {129, 196}, {227, 213}, {200, 75},  {298, 92},
                            {129, 146}, {227, 163}, {205, 140}, {264, 150}, {163, 182}, {222, 192},
                            {205, 95},  {264, 105}, {163, 137}, {222, 147}, {170, 90},  {397, 130},
                            {7, 253},   {234, 293}, {170, 15},  {397, 55},  {7, 178},   {234, 218},
                            {180, 110}, {328, 136}, {74, 216},  {222, 242}, {180, 45},  {328, 71},
                            {74, 151},  {222, 177}};
  for (int v = 0; v < 32; ++v) {
    QTest::addRow("vertex %d", v) << v << QPoint(table[v][0], table[v][1]);
  }
}

void HypercubeTest::largeLayout() {
  QFETCH(int, v);
  QFETCH(QPoint, point);
  const VertexPlace place = LargeLayoutPlace(v);
  QCOMPARE(QPoint(place.point.x, place.point.y), point);
  QCOMPARE(QPoint(place.label.x, place.label.y), point + QPoint(5, -5));
  // Every point lies inside the 417 x 353 image.
  QVERIFY(place.point.x >= 7 && place.point.x <= 397);
  QVERIFY(place.point.y >= 15 && place.point.y <= 293);
}

void HypercubeTest::smallLayout() {
  const std::array<VertexPlace, 4> expected{{
      {{172, 196}, {172, 196}},
      {{312, 196}, {327, 196}},
      {{172, 56}, {172, 41}},
      {{312, 56}, {327, 41}},
  }};
  for (int v = 0; v < 4; ++v) QCOMPARE(SmallLayoutPlace(v), expected[v]);
}

void HypercubeTest::drawing_data() {
  QTest::addColumn<int>("n");
  QTest::addColumn<int>("edges");
  QTest::newRow("2") << 2 << 1;
  QTest::newRow("3") << 3 << 2;
  QTest::newRow("4") << 4 << 4;
  QTest::newRow("8") << 8 << 12;
  QTest::newRow("12") << 12 << 20;
  QTest::newRow("16") << 16 << 32;
  QTest::newRow("32") << 32 << 80;
}

void HypercubeTest::drawing() {
  QFETCH(int, n);
  QFETCH(int, edges);
  const Matrix a = AdjacencyOf(n);
  RecordingCanvas canvas;
  DrawHypercube(canvas, n, a);
  const Drawing drawing = Decode(canvas.ops());

  QVERIFY(!drawing.labelAfterStroke);  // labels first, edges over them
  QCOMPARE(static_cast<int>(drawing.labels.size()), n);
  for (int v = 0; v < n; ++v) {
    const VertexPlace place = n <= kSmallLayoutLimit ? SmallLayoutPlace(v) : LargeLayoutPlace(v);
    QCOMPARE(drawing.labels[v].text, std::to_string(v));
    QCOMPARE(QPoint(drawing.labels[v].x, drawing.labels[v].y),
             QPoint(place.label.x, place.label.y));
  }

  // Every edge twice, once from each end, i ascending then j ascending.
  QCOMPARE(static_cast<int>(drawing.strokes.size()), 2 * edges);
  std::size_t s = 0;
  for (int i = 0; i < n; ++i) {
    for (int j = 0; j < n; ++j) {
      if (a[i][j] != kEdge) continue;
      QCOMPARE(drawing.strokes[s].from, PointOf(n, i));
      QCOMPARE(drawing.strokes[s].to, PointOf(n, j));
      ++s;
    }
  }

  // An edge ends up red exactly when it touches vertex 24 or later.
  for (int i = 0; i < n; ++i) {
    for (int j = i + 1; j < n; ++j) {
      if (a[i][j] != kEdge) continue;
      const Rgb expected = j >= kFirstRedVertex ? kRed : kBlack;
      QCOMPARE(FinalColour(drawing, PointOf(n, i), PointOf(n, j)), std::optional(expected));
    }
  }
}

void HypercubeTest::drawingOfTwoAndFourIsExact() {
  using K = CanvasOp::Kind;
  RecordingCanvas two;
  DrawHypercube(two, 2, AdjacencyOf(2));
  const std::vector<CanvasOp> expectedTwo{
      {K::Pen, 0, 0, 0, 0, kBlack, {}},       {K::Text, 172, 196, 0, 0, kWhite, "0"},
      {K::Text, 327, 196, 0, 0, kWhite, "1"}, {K::Move, 172, 196, 0, 0, kBlack, {}},
      {K::Line, 312, 196, 0, 0, kBlack, {}},  {K::Move, 312, 196, 0, 0, kBlack, {}},
      {K::Line, 172, 196, 0, 0, kBlack, {}},
  };
  QVERIFY(two.ops() == expectedTwo);

  RecordingCanvas four;
  DrawHypercube(four, 4, AdjacencyOf(4));
  const Drawing square = Decode(four.ops());
  const std::vector<std::pair<Pixel, std::string>> labels{
      {{172, 196}, "0"}, {{327, 196}, "1"}, {{172, 41}, "2"}, {{327, 41}, "3"}};
  for (std::size_t v = 0; v < labels.size(); ++v) {
    QCOMPARE(Pixel({square.labels[v].x, square.labels[v].y}), labels[v].first);
    QCOMPARE(square.labels[v].text, labels[v].second);
  }
  const Pixel corners[] = {{172, 196}, {312, 196}, {312, 56}, {172, 56}};
  for (int side = 0; side < 4; ++side) {
    QCOMPARE(FinalColour(square, corners[side], corners[(side + 1) % 4]), std::optional(kBlack));
  }
  QVERIFY(!FinalColour(square, corners[0], corners[2]));  // no diagonals
}

void HypercubeTest::edgesOfTheLastFrameAreRed() {
  RecordingCanvas canvas;
  DrawHypercube(canvas, 32, AdjacencyOf(32));
  const Drawing drawing = Decode(canvas.ops());
  const auto colour = [&](int a, int b) {
    return FinalColour(drawing, LargeLayoutPlace(a).point, LargeLayoutPlace(b).point);
  };
  for (int other : {8, 16, 25, 26, 28}) QCOMPARE(colour(24, other), std::optional(kRed));
  for (int other : {1, 2, 4, 8, 16}) QCOMPARE(colour(0, other), std::optional(kBlack));
  // The pen stays red once it turned red.
  QCOMPARE(canvas.PenColor(), kRed);

  RecordingCanvas sixteen;
  DrawHypercube(sixteen, 16, AdjacencyOf(16));
  const Drawing noRed = Decode(sixteen.ops());
  for (const Stroke& s : noRed.strokes) QCOMPARE(s.pen, kBlack);
  for (int other : {1, 2, 7, 11}) {
    QVERIFY(FinalColour(noRed, LargeLayoutPlace(3).point, LargeLayoutPlace(other).point));
  }
  RecordingCanvas eight;
  DrawHypercube(eight, 8, AdjacencyOf(8));
  const Drawing cube = Decode(eight.ops());
  for (int other : {1, 4, 7}) {
    QVERIFY(FinalColour(cube, LargeLayoutPlace(5).point, LargeLayoutPlace(other).point));
  }
}

void HypercubeTest::nothingIsDrawnOutsideOneToThirtyTwo() {
  const Matrix a = AdjacencyOf(32);
  for (int n : {-5, 0, 33, 1000}) {
    RecordingCanvas canvas;
    DrawHypercube(canvas, n, a);
    QVERIFY(canvas.ops().empty());
  }
  RecordingCanvas one;
  DrawHypercube(one, 1, AdjacencyOf(1));
  QCOMPARE(Decode(one.ops()).labels.size(), std::size_t{1});
  QVERIFY(Decode(one.ops()).strokes.empty());
}

void HypercubeTest::seriesMatchesTheTable() {
  DiameterSeries<5> series;
  ComputeHypercubeSeries(series);
  QVERIFY((series.D == std::array<std::int32_t, 5>{1, 2, 3, 4, 5}));
  const std::array<double, 5> aveD{1.0, 4.0 / 3.0, 12.0 / 7.0, 32.0 / 15.0, 80.0 / 31.0};
  QVERIFY(series.AveD == aveD);
  QCOMPARE(series.AveD[4], 2.5806451612903225);

  DiameterSeries<5> again;
  ComputeHypercubeSeries(again);
  QVERIFY(again.D == series.D && again.AveD == series.AveD);
}

void HypercubeTest::noBlockKeepsAnUnreachedPair() {
  const Matrix a = AdjacencyOf(32);
  for (int n = 2; n <= 32; n *= 2) {
    const HopMatrix d = AllPairsHops(TopLeftBlock(a, n));
    for (int i = 0; i < n; ++i) {
      QCOMPARE(d[i][i], 0);
      for (int j = 0; j < n; ++j) {
        QVERIFY(d[i][j] != kNoPath);
        QCOMPARE(d[i][j], std::popcount(static_cast<unsigned>(i ^ j)));
        QCOMPARE(d[i][j], d[j][i]);
      }
    }
  }
  // A block with a vertex cut off keeps the mark, and the diameter shows it.
  HopMatrix cut = TopLeftBlock(a, 4);
  cut[0][1] = cut[1][0] = cut[0][2] = cut[2][0] = 0;
  const HopMatrix d = AllPairsHops(cut);
  QCOMPARE(d[0][3], kNoPath);
  QCOMPARE(LargestHop(d), kNoPath);
}

QTEST_GUILESS_MAIN(HypercubeTest)
#include "tst_hypercube.moc"
