#include "mykub.h"

#include "core/projection.h"

namespace kestrun {

namespace {

constexpr int kEdge = 55;
constexpr int kHeight = 40;

}  // namespace

std::unique_ptr<TMyKub> LastKub;

TMyKub::TMyKub(int originX, int originY) : OriginX(originX), OriginY(originY) {}

std::array<Point, 8> TMyKub::Corners() const {
  const Step first = FirstAxisStep(kEdge);
  const Step receding = SecondAxisStep(kEdge);
  const Point p0{OriginX, OriginY};
  const Point p1{p0.x + first.dx, p0.y + first.dy};
  const Point p2{p0.x + receding.dx, p0.y + receding.dy};
  const Point p3{p1.x + receding.dx, p1.y + receding.dy};
  auto up = [](Point p) { return Point{p.x, p.y - kHeight}; };
  return {p0, p1, p2, p3, up(p0), up(p1), up(p2), up(p3)};
}

void TMyKub::DrawKub(Canvas& canvas) const {
  canvas.SetBrushColor(kWhite);
  canvas.SetPenColor(kBlack);
  const std::array<Point, 8> p = Corners();
  auto line = [&canvas](Point to) { canvas.LineTo(to.x, to.y); };

  // Lower face and the first vertical edge in one stroke, then the upper face.
  canvas.MoveTo(p[0].x, p[0].y);
  for (int i : {1, 3, 2, 0, 4, 5, 7, 6, 4}) line(p[i]);

  for (int i = 1; i <= 3; ++i) {
    canvas.MoveTo(p[i].x, p[i].y);
    line(p[i + 4]);
  }
}

}  // namespace kestrun
