// D and AveD of the three generalized cubes by all-pairs shortest paths.
#pragma once

#include <cstdint>
#include <vector>

#include "gencube.h"

namespace kestrun {

// Square, vertex v at row and column v.
using HopMatrix = std::vector<std::vector<std::int32_t>>;

// Hop count standing for "no path found"; a disconnected grid would show it
// as its diameter.
inline constexpr std::int32_t kNoPath = 99;

// 2 on the diagonal, 1 where two coordinates agree and the third differs by
// exactly 1, 0 elsewhere.
HopMatrix GridAdjacency(const GenCubeConfig& config);

// Floyd-Warshall over the entries equal to 1.
HopMatrix GridHops(const HopMatrix& adjacency);

// The largest entry of the whole matrix.
std::int32_t GridDiameter(const HopMatrix& hops);

// The mean distance from vertex 0 only (its row summed, divided by N - 1).
double GridAverageDiameter(const HopMatrix& hops);

// The adjacency of the configuration computed last (N = 30 after a run).
extern HopMatrix CubeAdjacency;

// Writes D and AveD of N = 24, 27, 30 into GenCubeSeries.
void FillGenCubeSeries();

}  // namespace kestrun
