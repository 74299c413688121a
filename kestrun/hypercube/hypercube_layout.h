// Where the hypercube drawing puts its vertices and labels, and the drawing
// itself: a flat square up to four vertices, otherwise up to four cube frames
// in oblique projection whose corresponding corners are joined.
#pragma once

#include "core/canvas.h"
#include "hypercube.h"

namespace kestrun::hypercube {

struct Pixel {
  int x = 0;
  int y = 0;
  friend bool operator==(const Pixel&, const Pixel&) = default;
};

struct VertexPlace {
  Pixel point;
  Pixel label;  // top-left corner of the vertex number
  friend bool operator==(const VertexPlace&, const VertexPlace&) = default;
};

inline constexpr int kSmallLayoutLimit = 4;  // counts up to this use the square
inline constexpr int kFirstRedVertex = 24;   // edges of the last frame are red

// v in 0..3.
VertexPlace SmallLayoutPlace(int v);
// v in 0..31; uses the current projection constants.
VertexPlace LargeLayoutPlace(int v);

// Draws the labels of vertices 0..n-1 and then every edge of the adjacency's
// n x n block from both ends; n in 1..kMaxVertices.
void DrawHypercube(Canvas& canvas, int n, const Matrix& adjacency);

}  // namespace kestrun::hypercube
