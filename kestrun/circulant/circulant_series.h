// D and AveD of the circulant {N; 1, 3, 11, 13, 17} for N = 35, 37, 38, 40, 41.
#pragma once

#include <cstdint>

#include "circulant_graph.h"

namespace kestrun {

// Hop count standing for "no path found".
inline constexpr std::int32_t kCirculantNoPath = 99;

// All-pairs hop counts by Floyd-Warshall over the entries equal to 1.
CirculantMatrix CirculantHops(int n, const Generators& generators);

// The largest entry of the whole matrix.
std::int32_t CirculantDiameter(const CirculantMatrix& hops);

// Row 0 summed and divided by N - 1.
double CirculantAverageDiameter(const CirculantMatrix& hops);

// Writes all five elements of CirculantSeries with CirculantGenerators.
void FillCirculantSeries();

}  // namespace kestrun
