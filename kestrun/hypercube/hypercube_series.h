// D and AveD of the hypercubes with 2, 4, 8, 16 and 32 vertices, found by an
// all-pairs shortest-path search over the 32-vertex hypercube's blocks.
#pragma once

#include "core/diameter_series.h"
#include "core/hop_matrix.h"
#include "hypercube.h"

namespace kestrun::hypercube {

// The top-left n x n block of the 32-vertex adjacency: the hypercube with n
// vertices.
HopMatrix TopLeftBlock(const Matrix& adjacency, int n);

// Fills all five elements of `series`, element k for 2^(k+1) vertices.
void ComputeHypercubeSeries(DiameterSeries<5>& series);

}  // namespace kestrun::hypercube
