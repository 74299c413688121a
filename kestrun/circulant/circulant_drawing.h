// The circulant drawn as a ring: numbered vertex places on a circle and a
// chord for every edge.
#pragma once

#include <vector>

#include "circulant_graph.h"
#include "core/canvas.h"

namespace kestrun {

struct VertexPlace {
  int X = 0;
  int Y = 0;
  int LX = 0;  // top-left corner of the vertex number
  int LY = 0;
  friend bool operator==(const VertexPlace&, const VertexPlace&) = default;
};

inline constexpr int kCirculantImageWidth = 361;
inline constexpr int kCirculantImageHeight = 337;

// Vertex i sits at the angle (i + 1) * 6.28 / n, counter-clockwise from
// straight below the centre, so the last vertex falls just short of a turn.
std::vector<VertexPlace> CirculantPlaces(int n);

// Fills the whole image with the current brush, writes every vertex number,
// then draws each edge from both of its ends with the current pen.
void DrawCirculant(Canvas& canvas, int n, const Generators& generators);

}  // namespace kestrun
