// The searches the README quotes, called directly: the best pairs of
// generators for N = 5..150 (what the NetworkX scan is measured against), the
// degree-6 records, and one circulant's distances at growing N.
#include <benchmark/benchmark.h>

#include <cstdint>
#include <vector>

#include "ring_search.h"
#include "search.h"

namespace circscan {
namespace {

void BM_BestPairsUpTo150(benchmark::State& state) {
  const By by = state.range(0) == 0 ? By::kDiameter : By::kAverage;
  for (auto _ : state) benchmark::DoNotOptimize(FindBest({5, 150, 2, by, {}}));
}
BENCHMARK(BM_BestPairsUpTo150)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond);

void BM_BestTriplesUpTo100(benchmark::State& state) {
  for (auto _ : state) benchmark::DoNotOptimize(FindBest({5, 100, 3, By::kAverage, {}}));
}
BENCHMARK(BM_BestTriplesUpTo100)->Unit(benchmark::kMillisecond);

// The argument is the diameter.
void BM_LargestDegreeSix(benchmark::State& state) {
  const auto d = static_cast<std::int32_t>(state.range(0));
  for (auto _ : state) benchmark::DoNotOptimize(FindLargest({3, d, d, {}}));
}
BENCHMARK(BM_LargestDegreeSix)->DenseRange(4, 7)->Unit(benchmark::kMillisecond);

// One complete search without a ceiling; the argument is N.
void BM_OneRingSearch(benchmark::State& state) {
  const auto n = static_cast<std::int32_t>(state.range(0));
  RingSearch search(n, 3);
  const std::vector<std::int32_t> set{1, 46, 56};
  for (auto _ : state) benchmark::DoNotOptimize(search.Run(set, {}));
  state.SetItemsProcessed(state.iterations());
}
BENCHMARK(BM_OneRingSearch)->Arg(515)->Arg(4096)->Arg(65536);

}  // namespace
}  // namespace circscan

BENCHMARK_MAIN();
