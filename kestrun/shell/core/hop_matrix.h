// All-pairs hop counts, the way every topology of the wizard measures D and
// AveD: Floyd-Warshall over an adjacency in which only the entry 1 is an edge
// (the diagonal's 2 marks the vertex itself).
#pragma once

#include <cstdint>
#include <vector>

namespace kestrun {

// Square, vertex v at row and column v.
using HopMatrix = std::vector<std::vector<std::int32_t>>;

// Marks a pair with no path found; larger than any distance in these graphs,
// so a disconnected graph shows it as its diameter.
inline constexpr std::int32_t kNoPath = 99;

// 0 on the diagonal, 1 for edges, kNoPath elsewhere, then relaxed through
// every intermediate vertex in turn.
HopMatrix AllPairsHops(const HopMatrix& adjacency);

// The largest entry of the whole matrix, scanned row by row from 0.
std::int32_t LargestHop(const HopMatrix& hops);

// Row 0 summed as doubles, divided by N - 1: the mean distance from vertex 0
// to the others. Needs N >= 2.
double AverageHopFromVertex0(const HopMatrix& hops);

}  // namespace kestrun
