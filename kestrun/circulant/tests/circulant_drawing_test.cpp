#include "circulant_drawing.h"

#include <gtest/gtest.h>

#include <set>

#include "core/recording_canvas.h"

namespace kestrun {
namespace {

using Kind = CanvasOp::Kind;

struct PlaceCase {
  int n;
  int vertex;
  VertexPlace place;
};

class CirculantPlace : public ::testing::TestWithParam<PlaceCase> {};

TEST_P(CirculantPlace, VertexAndLabelPixels) {
  const PlaceCase& c = GetParam();
  const std::vector<VertexPlace> places = CirculantPlaces(c.n);
  ASSERT_EQ(static_cast<int>(places.size()), c.n);
  EXPECT_EQ(places[c.vertex], c.place);
}

INSTANTIATE_TEST_SUITE_P(Listed, CirculantPlace,
                         ::testing::Values(PlaceCase{35, 0, {206, 308, 209, 322}},
                                           PlaceCase{35, 1, {231, 301, 236, 315}},
                                           PlaceCase{35, 8, {325, 159, 340, 158}},
                                           PlaceCase{35, 17, {167, 21, 166, 6}},
                                           PlaceCase{35, 34, {180, 310, 179, 325}},
                                           PlaceCase{41, 0, {202, 308, 204, 323}},
                                           PlaceCase{41, 40, {180, 310, 179, 325}}));

class CirculantPicture : public ::testing::TestWithParam<int> {};

// The picture opens with the wipe, then all the numbers, then the chords.
TEST_P(CirculantPicture, FillThenLabelsThenChordsFromBothEnds) {
  const int n = GetParam();
  RecordingCanvas canvas;
  DrawCirculant(canvas, n, kFixedGenerators);
  const auto& ops = canvas.ops();
  const std::vector<VertexPlace> places = CirculantPlaces(n);

  ASSERT_EQ(ops.size(), 1 + n + n * n + 10 * n);
  EXPECT_EQ(ops[0], (CanvasOp{Kind::Fill, 0, 0, 361, 337, kWhite, {}}));
  for (int i = 0; i < n; ++i) {
    EXPECT_EQ(ops[1 + i],
              (CanvasOp{Kind::Text, places[i].LX, places[i].LY, 0, 0, kWhite, std::to_string(i)}));
  }

  const CirculantMatrix adjacency = CirculantAdjacency(n, kFixedGenerators);
  std::size_t at = 1 + n;
  int lines = 0;
  for (int i = 0; i < n; ++i) {
    for (int j = 0; j < n; ++j) {
      ASSERT_EQ(ops[at].kind, Kind::Move);
      EXPECT_EQ((std::pair{ops[at].x, ops[at].y}), (std::pair{places[i].X, places[i].Y}));
      ++at;
      if (adjacency[i][j] != 1) continue;
      ASSERT_EQ(ops[at].kind, Kind::Line);
      EXPECT_EQ((std::pair{ops[at].x, ops[at].y}), (std::pair{places[j].X, places[j].Y}));
      ++at;
      ++lines;
    }
  }
  EXPECT_EQ(lines, 10 * n);  // every one of the 5n edges, once from each end
}

INSTANTIATE_TEST_SUITE_P(VertexCounts, CirculantPicture, ::testing::Values(35, 37, 38, 40, 41));

TEST(CirculantPictureFixed, ThirtyFiveHasOneHundredSeventyFiveEdges) {
  RecordingCanvas canvas;
  DrawCirculant(canvas, 35, kFixedGenerators);
  std::set<std::pair<std::pair<int, int>, std::pair<int, int>>> chords;
  std::pair<int, int> from;
  int texts = 0;
  for (const CanvasOp& op : canvas.ops()) {
    if (op.kind == Kind::Text) ++texts;
    if (op.kind == Kind::Move) from = {op.x, op.y};
    if (op.kind == Kind::Line) {
      const std::pair<int, int> to{op.x, op.y};
      chords.insert(from < to ? std::pair{from, to} : std::pair{to, from});
    }
  }
  EXPECT_EQ(texts, 35);
  EXPECT_EQ(chords.size(), 175u);
}

TEST(CirculantPictureFixed, WipesWithTheBrushInForceAndKeepsThePen) {
  RecordingCanvas canvas;
  canvas.SetBrushColor(kWhite);
  canvas.SetPenColor(kBlack);
  canvas.clear();
  DrawCirculant(canvas, 37, kFixedGenerators);
  for (const CanvasOp& op : canvas.ops()) {
    EXPECT_NE(op.kind, Kind::Brush);
    EXPECT_NE(op.kind, Kind::Pen);
    if (op.kind == Kind::Line) {
      EXPECT_EQ(op.colour, kBlack);
    }
  }
}

// The places stay on the drawing surface for every count offered.
TEST(CirculantPictureFixed, EveryPlaceLiesInsideTheImage) {
  for (const CirculantCount& c : kCirculantCounts) {
    for (const VertexPlace& p : CirculantPlaces(c.n)) {
      EXPECT_GE(p.LX, 0);
      EXPECT_GE(p.LY, 0);
      EXPECT_LT(p.LX, kCirculantImageWidth);
      EXPECT_LT(p.LY, kCirculantImageHeight);
    }
  }
}

}  // namespace
}  // namespace kestrun
