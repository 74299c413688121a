// The searches the README quotes, called directly: the best pairs of
// generators for N = 5..150 (what the NetworkX scan is measured against), the
// records of `largest` beside the first search (circscan::reference) and
// the walk before the slack bound (circscan::previous), the best sets by
// average beside the first search and the search by diameter, the
// questions whose cost must follow the number of classes searched, and one
// circulant's distances at growing N. Times are the whole process's CPU time
// and the wall time, since the searches run on all of oneTBB's threads.
#include <benchmark/benchmark.h>

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "previous_largest.h"
#include "reference_search.h"
#include "ring_search.h"
#include "routes.h"
#include "routes_report.h"
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

// Arguments: k, the diameter, and the search: 0 the current one, 1 the first
// search, 2 the walk before the slack bound (circscan::previous).
std::vector<LargestRow> LargestBy(std::int64_t search, const LargestQuery& query) {
  if (search == 1) return reference::FindLargest(query);
  if (search == 2) return previous::FindLargest(query);
  return FindLargest(query);
}

void BM_Largest(benchmark::State& state) {
  const auto k = static_cast<std::int32_t>(state.range(0));
  const auto d = static_cast<std::int32_t>(state.range(1));
  std::int32_t found = 0;
  for (auto _ : state) {
    const auto rows = LargestBy(state.range(2), {k, d, d, {}});
    found = rows.empty() ? 0 : rows.front().n;
  }
  state.SetLabel("N = " + std::to_string(found));
}
BENCHMARK(BM_Largest)
    ->ArgNames({"k", "d", "search"})
    ->Args({3, 7, 0})
    ->Args({3, 7, 1})
    ->Args({4, 4, 0})
    ->Args({4, 4, 1})
    ->Args({4, 4, 2})
    ->Args({5, 3, 0})
    ->Args({5, 3, 1})
    ->Args({5, 3, 2})
    ->Args({4, 5, 0})
    ->Args({4, 5, 1})
    ->Args({4, 5, 2})
    ->Args({4, 6, 0})
    ->Args({4, 6, 2})
    ->Iterations(1)
    ->MeasureProcessCPUTime()
    ->UseRealTime()
    ->Unit(benchmark::kSecond);

// Arguments: the last N, k, and 1 for the first search.
void BM_BestByDiameter(benchmark::State& state) {
  const auto nTo = static_cast<std::int32_t>(state.range(0));
  const auto k = static_cast<std::int32_t>(state.range(1));
  const BestQuery query{5, nTo, k, By::kDiameter, {}};
  for (auto _ : state) {
    benchmark::DoNotOptimize(state.range(2) == 1 ? reference::FindBest(query) : FindBest(query));
  }
}
BENCHMARK(BM_BestByDiameter)
    ->ArgNames({"to", "k", "reference"})
    ->Args({300, 3, 0})
    ->Args({300, 3, 1})
    ->Args({1000, 3, 0})
    ->Args({1000, 3, 1})
    ->Iterations(1)
    ->MeasureProcessCPUTime()
    ->UseRealTime()
    ->Unit(benchmark::kSecond);

// The search by average beside the first search (what `--by average` ran
// before its bound) and beside the search by diameter, on the same range.
// Arguments: the first and last N, k, and the search: 0 by average, 1 the
// first search by average, 2 by diameter.
void BM_BestSideBySide(benchmark::State& state) {
  const auto nFrom = static_cast<std::int32_t>(state.range(0));
  const auto nTo = static_cast<std::int32_t>(state.range(1));
  const auto k = static_cast<std::int32_t>(state.range(2));
  const auto search = state.range(3);
  const BestQuery query{nFrom, nTo, k, search == 2 ? By::kDiameter : By::kAverage, {}};
  for (auto _ : state) {
    benchmark::DoNotOptimize(search == 1 ? reference::FindBest(query) : FindBest(query));
  }
}
BENCHMARK(BM_BestSideBySide)
    ->ArgNames({"from", "to", "k", "search"})
    ->Args({8471, 8473, 3, 0})
    ->Args({8471, 8473, 3, 1})
    ->Args({8471, 8473, 3, 2})
    ->Args({839, 841, 4, 0})
    ->Args({839, 841, 4, 1})
    ->Args({839, 841, 4, 2})
    ->Args({10, 160, 5, 0})
    ->Args({10, 160, 5, 1})
    ->Args({10, 160, 5, 2})
    ->Iterations(1)
    ->MeasureProcessCPUTime()
    ->UseRealTime()
    ->Unit(benchmark::kSecond);

// Questions with one class of sets: their cost is that of one search.
void BM_BestOneSetOfHalfN(benchmark::State& state) {
  const auto n = static_cast<std::int32_t>(state.range(0));
  for (auto _ : state) benchmark::DoNotOptimize(FindBest({n, n, n / 2, By::kDiameter, {}}));
}
BENCHMARK(BM_BestOneSetOfHalfN)
    ->Arg(16000)
    ->Arg(64000)
    ->MeasureProcessCPUTime()
    ->UseRealTime()
    ->Unit(benchmark::kMillisecond);

void BM_BestOneGenerator(benchmark::State& state) {
  const auto n = static_cast<std::int32_t>(state.range(0));
  for (auto _ : state) benchmark::DoNotOptimize(FindBest({n, n, 1, By::kDiameter, {}}));
}
BENCHMARK(BM_BestOneGenerator)
    ->Arg(100000)
    ->Arg(1000000)
    ->MeasureProcessCPUTime()
    ->UseRealTime()
    ->Unit(benchmark::kMillisecond);

// One large N with three generators: the classes times one search each.
void BM_BestOneLargeN(benchmark::State& state) {
  const auto n = static_cast<std::int32_t>(state.range(0));
  for (auto _ : state) benchmark::DoNotOptimize(FindBest({n, n, 3, By::kDiameter, {}}));
}
BENCHMARK(BM_BestOneLargeN)
    ->Arg(2000)
    ->MeasureProcessCPUTime()
    ->UseRealTime()
    ->Unit(benchmark::kMillisecond);

// The same generator many times costs what it costs once.
void BM_AnalyzeRepeatedGenerator(benchmark::State& state) {
  const std::vector<std::int32_t> generators(static_cast<std::size_t>(state.range(0)), 1);
  for (auto _ : state) benchmark::DoNotOptimize(Analyze(1000000, generators, nullptr));
}
BENCHMARK(BM_AnalyzeRepeatedGenerator)->Arg(1)->Arg(2000)->Unit(benchmark::kMillisecond);

// One complete search without a ceiling; the argument is N.
void BM_OneRingSearch(benchmark::State& state) {
  const auto n = static_cast<std::int32_t>(state.range(0));
  RingSearch search(n, 3);
  const std::vector<std::int32_t> set{1, 46, 56};
  for (auto _ : state) benchmark::DoNotOptimize(search.Run(set, {}));
  state.SetItemsProcessed(state.iterations());
}
BENCHMARK(BM_OneRingSearch)->Arg(515)->Arg(4096)->Arg(65536);

// The routing table of N = 1,000,000, every row written as CSV; the argument
// is the number of generators (1, 77, 5000, ... in turn).
void BM_RoutesOfAMillion(benchmark::State& state) {
  const std::vector<std::int32_t> all{1, 77, 5000, 123457, 400000};
  const std::vector<std::int32_t> generators(all.begin(), all.begin() + state.range(0));
  std::size_t written = 0;
  for (auto _ : state) {
    const auto table = RouteTable::Build(1000000, generators, nullptr);
    WriteRoutes(*table, Format::kCsv, [&](std::string_view piece) { written += piece.size(); });
  }
  benchmark::DoNotOptimize(written);
}
BENCHMARK(BM_RoutesOfAMillion)->Arg(1)->Arg(3)->Arg(5)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace circscan

BENCHMARK_MAIN();
