// D and AveD of the circulant {N; 1, 3, 11, 13, 17} for N = 35, 37, 38, 40, 41.
#pragma once

#include <cstdint>

#include "circulant_graph.h"

namespace kestrun {

// All-pairs hop counts of the circulant with n vertices.
CirculantMatrix CirculantHops(int n, const Generators& generators);

// Writes all five elements of CirculantSeries with CirculantGenerators.
void FillCirculantSeries();

}  // namespace kestrun
