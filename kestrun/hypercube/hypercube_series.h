// D and AveD of the hypercubes with 2, 4, 8, 16 and 32 vertices, found by an
// all-pairs shortest-path search over the 32-vertex hypercube's blocks.
#pragma once

#include "diameter_series.h"
#include "hypercube.h"

namespace kestrun::hypercube {

// Marks a pair with no path found yet; larger than any real distance here.
inline constexpr std::int32_t kNoPath = 99;

// The n x n block: 0 on the diagonal, 1 for edges, kNoPath otherwise.
void InitDistances(const Matrix& adjacency, int n, Matrix& distances);
// Floyd-Warshall over the n x n block, in place.
void RelaxDistances(int n, Matrix& distances);
// The largest entry of the block.
std::int32_t Diameter(int n, const Matrix& distances);
// The mean distance from vertex 0 to the other n - 1 vertices; n >= 2.
double AverageDiameter(int n, const Matrix& distances);

// Fills all five elements of `series`, element k for 2^(k+1) vertices.
void ComputeHypercubeSeries(DiameterSeries<5>& series);

}  // namespace kestrun::hypercube
