// The chart button recomputes all three grids on every press; this keeps an
// eye on what that costs.
#include <benchmark/benchmark.h>

#include "core/diameter_series.h"
#include "gencube_series.h"

namespace {

void BM_FillGenCubeSeries(benchmark::State& state) {
  for (auto _ : state) {
    kestrun::FillGenCubeSeries();
    benchmark::DoNotOptimize(kestrun::GenCubeSeries);
  }
}
BENCHMARK(BM_FillGenCubeSeries);

void BM_AllPairsHops(benchmark::State& state) {
  const kestrun::HopMatrix adjacency =
      kestrun::GridAdjacency(kestrun::kGenCubeConfigs[static_cast<std::size_t>(state.range(0))]);
  for (auto _ : state) benchmark::DoNotOptimize(kestrun::AllPairsHops(adjacency));
}
BENCHMARK(BM_AllPairsHops)->DenseRange(0, 2);

}  // namespace

BENCHMARK_MAIN();
