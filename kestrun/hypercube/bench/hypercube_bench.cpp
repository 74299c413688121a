// The chart button recomputes all five hypercubes and the draw button redraws
// up to 32 vertices; both run on the user-interface thread.
#include <benchmark/benchmark.h>

#include "core/projection.h"
#include "core/recording_canvas.h"
#include "hypercube.h"
#include "hypercube_layout.h"
#include "hypercube_series.h"

namespace {

using namespace kestrun;

void BM_ComputeHypercubeSeries(benchmark::State& state) {
  DiameterSeries<5> series;
  for (auto _ : state) {
    hypercube::ComputeHypercubeSeries(series);
    benchmark::DoNotOptimize(series);
  }
}
BENCHMARK(BM_ComputeHypercubeSeries);

void BM_DrawHypercube(benchmark::State& state) {
  ComputeProjectionConstants();
  const int n = static_cast<int>(state.range(0));
  hypercube::VertexCodes codes{};
  hypercube::Matrix adjacency{};
  hypercube::FillVertexCodes(codes, n);
  hypercube::FillAdjacency(codes, n, adjacency);
  for (auto _ : state) {
    RecordingCanvas canvas;
    hypercube::DrawHypercube(canvas, n, adjacency);
    benchmark::DoNotOptimize(canvas.ops().data());
  }
}
BENCHMARK(BM_DrawHypercube)->Arg(4)->Arg(32);

}  // namespace

BENCHMARK_MAIN();
