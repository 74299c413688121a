#include "ringgeometry.h"

#include <cmath>
#include <cstdint>

namespace velmar {

int RingRadius(int n) { return 15 * n; }

CanvasPoint RingCenter(int n) { return CanvasPoint{15 * n, 15 * n}; }

std::vector<CanvasPoint> VertexPositions(int n) {
  std::vector<CanvasPoint> positions;
  if (n <= 0) return positions;
  positions.reserve(static_cast<std::size_t>(n));
  const CanvasPoint center = RingCenter(n);
  const double radius = RingRadius(n);
  const double step = kFullTurn / n;
  for (int k = 0; k < n; ++k) {
    const double x = center.x + radius * std::sin(k * step);
    const double y = center.y - radius * std::cos(k * step);
    positions.push_back(CanvasPoint{static_cast<std::int32_t>(x), static_cast<std::int32_t>(y)});
  }
  return positions;
}

ScrollSizes RingScrollSizes(int n) {
  const CanvasPoint center = RingCenter(n);
  const int radius = RingRadius(n);
  return ScrollSizes{Extent{center.x + 2 * radius, center.y + 2 * radius}, Extent{5 * n, 5 * n},
                     Extent{10, 10}};
}

void DrawCirculant(Canvas& canvas, const AdjacencyMatrix& adjacency) {
  const int n = adjacency.size();
  if (n == 0) return;
  const std::vector<CanvasPoint> positions = VertexPositions(n);
  const Pen previous = canvas.SelectPen(kEdgePen);
  for (int i = 0; i < n; ++i) {
    canvas.MoveTo(positions[i]);
    const auto row = adjacency.row(i);
    for (int j = 0; j < n; ++j) {
      if (row[j] != 1) continue;
      canvas.LineTo(positions[j]);
      canvas.MoveTo(positions[i]);
    }
  }
  canvas.SelectPen(previous);
}

}  // namespace velmar
