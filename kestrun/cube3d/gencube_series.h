// D and AveD of the three generalized cubes by all-pairs shortest paths.
#pragma once

#include "core/hop_matrix.h"
#include "gencube.h"

namespace kestrun {

// 2 on the diagonal, 1 where two coordinates agree and the third differs by
// exactly 1, 0 elsewhere.
HopMatrix GridAdjacency(const GenCubeConfig& config);

// The adjacency of the configuration computed last (N = 30 after a run).
extern HopMatrix CubeAdjacency;

// Writes D and AveD of N = 24, 27, 30 into GenCubeSeries: D over all pairs,
// AveD from the corner vertex 0 only, not the mean over all pairs.
void FillGenCubeSeries();

}  // namespace kestrun
