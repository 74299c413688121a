#include "gencube.h"

#include <gtest/gtest.h>

#include <algorithm>

#include "core/projection.h"
#include "core/recording_canvas.h"

namespace kestrun {
namespace {

using Kind = CanvasOp::Kind;
using Row = std::array<std::string, 4>;

struct GridCase {
  int index;
  const char* label;
  std::vector<Point> origins;
  std::vector<std::pair<int, Row>> rows;  // row r of the table holds vertex r - 1
};

class GenCubeGrid : public ::testing::TestWithParam<GridCase> {
 protected:
  void SetUp() override { ComputeProjectionConstants(); }
  const GenCubeConfig& config() const { return kGenCubeConfigs[GetParam().index]; }
};

TEST_P(GenCubeGrid, LabelNamesTheBox) { EXPECT_STREQ(config().labelText, GetParam().label); }

TEST_P(GenCubeGrid, GlyphOriginsInDrawingOrder) {
  EXPECT_EQ(GlyphOrigins(config()), GetParam().origins);
}

TEST_P(GenCubeGrid, TableListsEveryVertexWithItsCoordinates) {
  const auto rows = TabRows(config());
  ASSERT_EQ(static_cast<int>(rows.size()), config().n);
  for (const auto& [tableRow, expected] : GetParam().rows) {
    EXPECT_EQ(rows[tableRow - 1], expected) << "row " << tableRow;
  }
}

TEST_P(GenCubeGrid, NumberingIsXOutermostZInnermost) {
  const GenCubeConfig& c = config();
  int v = 0;
  for (int x = 0; x < c.a; ++x) {
    for (int y = 0; y < c.b; ++y) {
      for (int z = 0; z < c.c; ++z) EXPECT_EQ(VertexCoords(c, v++), (Coords{x, y, z}));
    }
  }
  EXPECT_EQ(v, c.n);
}

TEST_P(GenCubeGrid, DrawsOneGlyphPerCell) {
  RecordingCanvas canvas;
  std::unique_ptr<TMyKub> last = std::make_unique<TMyKub>(-1, -1);
  DrawGenCube(canvas, config(), last);

  // Each glyph opens by setting its colours and moving to its origin.
  const auto& ops = canvas.ops();
  std::vector<Point> starts;
  for (std::size_t i = 2; i < ops.size(); ++i) {
    EXPECT_NE(ops[i].kind, Kind::Fill);
    if (ops[i].kind == Kind::Move && ops[i - 1].kind == Kind::Pen) {
      starts.push_back({ops[i].x, ops[i].y});
    }
  }
  EXPECT_EQ(starts, GetParam().origins);
  EXPECT_EQ(ops.size(), 18 * GetParam().origins.size());

  ASSERT_NE(last, nullptr);
  EXPECT_EQ((Point{last->OriginX, last->OriginY}), GetParam().origins.back());
}

INSTANTIATE_TEST_SUITE_P(
    Configurations, GenCubeGrid,
    ::testing::Values(
        GridCase{0,
                 "Количество вершин равно 24 (4x3x2)",
                 {{100, 110}, {154, 120}, {208, 130}, {100, 70}, {154, 80}, {208, 90}},
                 {{1, {"0", "0", "0", "0"}},
                  {2, {"1", "0", "0", "1"}},
                  {3, {"2", "0", "1", "0"}},
                  {24, {"23", "3", "2", "1"}}}},
        GridCase{
            1,
            "Количество вершин равно 27 (3x3x3)",
            {{100, 110},
             {154, 120},
             {100, 70},
             {154, 80},
             {61, 149},
             {115, 159},
             {61, 109},
             {115, 119}},
            {{1, {"0", "0", "0", "0"}}, {4, {"3", "0", "1", "0"}}, {27, {"26", "2", "2", "2"}}}},
        GridCase{
            2,
            "Количество вершин равно 30 (5x3x2)",
            {{100, 110},
             {154, 120},
             {208, 130},
             {262, 140},
             {100, 70},
             {154, 80},
             {208, 90},
             {262, 100}},
            {{1, {"0", "0", "0", "0"}}, {7, {"6", "1", "0", "0"}}, {30, {"29", "4", "2", "1"}}}}));

TEST(GenCubeConfigs, ItemsAndSizesInRadioOrder) {
  std::vector<std::string> items;
  for (const GenCubeConfig& c : kGenCubeConfigs) {
    items.emplace_back(c.itemText);
    EXPECT_EQ(c.a * c.b * c.c, c.n);
  }
  EXPECT_EQ(items, (std::vector<std::string>{"24", "27", "30"}));
}

// The label texts use a Latin x between the sizes, not a Cyrillic letter.
TEST(GenCubeConfigs, LabelsUseLatinX) {
  for (const GenCubeConfig& c : kGenCubeConfigs) {
    const std::string label = c.labelText;
    EXPECT_EQ(std::count(label.begin(), label.end(), 'x'), 2) << label;
    EXPECT_EQ(label.find("х"), std::string::npos) << label;
  }
}

TEST(GenCubeDrawing, ClearingWipesTheWholeImageAndSetsABlackPen) {
  RecordingCanvas canvas;
  canvas.SetBrushColor(kRed);
  canvas.SetPenColor(kRed);
  canvas.clear();
  ClearCubeImage(canvas);
  const std::vector<CanvasOp> expected{{Kind::Brush, 0, 0, 0, 0, kWhite, {}},
                                       {Kind::Fill, 0, 0, 329, 289, kWhite, {}},
                                       {Kind::Pen, 0, 0, 0, 0, kBlack, {}}};
  EXPECT_EQ(canvas.ops(), expected);
}

}  // namespace
}  // namespace kestrun
