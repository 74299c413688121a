// The geometry of the ring picture: where the vertices sit, how large the
// scrolling surface is, and the drawing itself over any canvas. No toolkit.
#pragma once

#include <vector>

#include "circulant.h"
#include "framework/canvas.h"

namespace velmar {

// The angle step uses this shortened value rather than 2 pi, and positions
// are truncated, so vertices that would land on whole numbers often sit one
// pixel short of them.
inline constexpr double kFullTurn = 6.283184;

struct Extent {
  int width = 0;
  int height = 0;
  friend bool operator==(const Extent&, const Extent&) = default;
};

struct ScrollSizes {
  Extent total;
  Extent page;
  Extent line;
  friend bool operator==(const ScrollSizes&, const ScrollSizes&) = default;
};

int RingRadius(int n);
CanvasPoint RingCenter(int n);
// Vertex 0 at the top, numbered clockwise on screen.
std::vector<CanvasPoint> VertexPositions(int n);
ScrollSizes RingScrollSizes(int n);

inline constexpr Pen kEdgePen{Pen::Style::Solid, 1, 0x000000};

// A line for every entry that is exactly 1, from the row's vertex to the
// column's, so each edge is drawn once from either end.
void DrawCirculant(Canvas& canvas, const AdjacencyMatrix& adjacency);

}  // namespace velmar
