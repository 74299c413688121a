#include "hypercube_layout.h"

#include <array>
#include <string>
#include <vector>

#include "core/projection.h"

namespace kestrun::hypercube {
namespace {

struct Frame {
  Pixel origin;  // corner 0
  int length;    // edge along both slanted axes
  int height;    // the vertical edge
};

// Four frames of different sizes drawn from nearly the same corner, so that
// the joins between corresponding corners stay visible.
constexpr std::array<Frame, 4> kFrames{{
    {{200, 125}, 100, 50},
    {{205, 140}, 60, 45},
    {{170, 90}, 230, 75},
    {{180, 110}, 150, 65},
}};

constexpr Pixel kSmallOrigin{172, 196};
constexpr int kSmallSide = 140;
constexpr int kSmallLabelSide = 155;
constexpr Pixel kLabelOffset{5, -5};

int Digit(int v, int position) { return (v >> position) & 1; }

std::vector<VertexPlace> Places(int n) {
  std::vector<VertexPlace> places;
  places.reserve(n);
  for (int v = 0; v < n; ++v) {
    places.push_back(n <= kSmallLayoutLimit ? SmallLayoutPlace(v) : LargeLayoutPlace(v));
  }
  return places;
}

void DrawLabels(Canvas& canvas, const std::vector<VertexPlace>& places) {
  for (std::size_t v = 0; v < places.size(); ++v) {
    canvas.TextOut(places[v].label.x, places[v].label.y, std::to_string(v));
  }
}

void DrawEdges(Canvas& canvas, const std::vector<VertexPlace>& places, const Matrix& adjacency,
               bool redLastFrame) {
  const int n = static_cast<int>(places.size());
  for (int i = 0; i < n; ++i) {
    for (int j = 0; j < n; ++j) {
      if (redLastFrame && i >= kFirstRedVertex && !(canvas.PenColor() == kRed)) {
        canvas.SetPenColor(kRed);
      }
      if (adjacency[i][j] != kEdge) continue;
      canvas.MoveTo(places[i].point.x, places[i].point.y);
      canvas.LineTo(places[j].point.x, places[j].point.y);
    }
  }
}

}  // namespace

VertexPlace SmallLayoutPlace(int v) {
  const int x = Digit(v, 0);
  const int y = Digit(v, 1);
  return {{kSmallOrigin.x + kSmallSide * x, kSmallOrigin.y - kSmallSide * y},
          {kSmallOrigin.x + kSmallLabelSide * x, kSmallOrigin.y - kSmallLabelSide * y}};
}

VertexPlace LargeLayoutPlace(int v) {
  const Frame& frame = kFrames[(v / 8) % kFrames.size()];
  const Step first = FirstAxisStep(frame.length);
  const Step second = SecondAxisStep(frame.length);
  const int x = Digit(v, 0);
  const int y = Digit(v, 1);
  const int z = Digit(v, 2);
  const Pixel point{frame.origin.x + x * first.dx + y * second.dx,
                    frame.origin.y + x * first.dy + y * second.dy - z * frame.height};
  return {point, {point.x + kLabelOffset.x, point.y + kLabelOffset.y}};
}

void DrawHypercube(Canvas& canvas, int n, const Matrix& adjacency) {
  if (n < 1 || n > kMaxVertices) return;
  const std::vector<VertexPlace> places = Places(n);
  const bool small = n <= kSmallLayoutLimit;
  if (small) canvas.SetPenColor(kBlack);
  DrawLabels(canvas, places);
  DrawEdges(canvas, places, adjacency, !small);
}

}  // namespace kestrun::hypercube
