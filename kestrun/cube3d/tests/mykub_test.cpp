#include "mykub.h"

#include <gtest/gtest.h>

#include "core/projection.h"
#include "core/recording_canvas.h"

namespace kestrun {
namespace {

using Kind = CanvasOp::Kind;

class MyKubTest : public ::testing::Test {
 protected:
  void SetUp() override { ComputeProjectionConstants(); }
};

TEST_F(MyKubTest, CornersFollowTheProjectionSteps) {
  const TMyKub kub(100, 110);
  const std::array<Point, 8> expected{
      {{100, 110}, {154, 120}, {61, 149}, {115, 159}, {100, 70}, {154, 80}, {61, 109}, {115, 119}}};
  EXPECT_EQ(kub.Corners(), expected);
}

TEST_F(MyKubTest, DrawsTwelveEdgesInStrokeOrder) {
  RecordingCanvas canvas;
  TMyKub(100, 110).DrawKub(canvas);

  auto move = [](int x, int y) { return CanvasOp{Kind::Move, x, y, 0, 0, kBlack, {}}; };
  auto line = [](int x, int y) { return CanvasOp{Kind::Line, x, y, 0, 0, kBlack, {}}; };
  const std::vector<CanvasOp> expected{
      {Kind::Brush, 0, 0, 0, 0, kWhite, {}},
      {Kind::Pen, 0, 0, 0, 0, kBlack, {}},
      move(100, 110),
      line(154, 120),
      line(115, 159),
      line(61, 149),
      line(100, 110),
      line(100, 70),
      line(154, 80),
      line(115, 119),
      line(61, 109),
      line(100, 70),
      move(154, 120),
      line(154, 80),
      move(61, 149),
      line(61, 109),
      move(115, 159),
      line(115, 119),
  };
  EXPECT_EQ(canvas.ops(), expected);
}

TEST_F(MyKubTest, CreatingDrawsNothing) {
  RecordingCanvas canvas;
  const TMyKub kub(7, -3);
  EXPECT_EQ(kub.OriginX, 7);
  EXPECT_EQ(kub.OriginY, -3);
  EXPECT_TRUE(canvas.ops().empty());
}

TEST_F(MyKubTest, LeavesWhiteBrushAndBlackPenAndFillsNothing) {
  RecordingCanvas canvas;
  canvas.SetBrushColor(kRed);
  canvas.SetPenColor(kRed);
  TMyKub(0, 0).DrawKub(canvas);
  EXPECT_EQ(canvas.BrushColor(), kWhite);
  EXPECT_EQ(canvas.PenColor(), kBlack);
  for (const CanvasOp& op : canvas.ops()) {
    EXPECT_NE(op.kind, Kind::Fill);
    EXPECT_NE(op.kind, Kind::Text);
  }
}

}  // namespace
}  // namespace kestrun
