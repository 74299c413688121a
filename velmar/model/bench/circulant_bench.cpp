// How the fast distance search compares with the literal level-by-level
// expansion at the dialog's largest N, and how a whole build grows with N.
#include <benchmark/benchmark.h>

#include <cstdint>
#include <string>
#include <vector>

#include "circulant.h"
#include "literal_expansion.h"

namespace velmar {
namespace {

constexpr std::int32_t kDialogN = 99;

std::vector<std::int32_t> OneTo(std::int32_t last) {
  std::vector<std::int32_t> generators;
  for (std::int32_t g = 1; g <= last; ++g) generators.push_back(g);
  return generators;
}

std::string OneToText(std::int32_t last) {
  std::string text;
  for (std::int32_t g = 1; g <= last; ++g) text += std::to_string(g) + ' ';
  return text;
}

// The argument is the largest generator of {1..k}.
void BM_LiteralExpansion(benchmark::State& state) {
  const auto adjacency = BuildAdjacency(kDialogN, OneTo(static_cast<std::int32_t>(state.range(0))));
  for (auto _ : state) benchmark::DoNotOptimize(literal::BuildDistanceMatrix(adjacency));
}
BENCHMARK(BM_LiteralExpansion)
    ->Arg(11)
    ->Arg(5)
    ->Arg(2)
    ->Arg(49)
    ->Iterations(1)
    ->Unit(benchmark::kMillisecond);

void BM_SearchEveryVertex(benchmark::State& state) {
  const auto adjacency = BuildAdjacency(kDialogN, OneTo(static_cast<std::int32_t>(state.range(0))));
  for (auto _ : state) benchmark::DoNotOptimize(BuildDistanceMatrix(adjacency));
}
BENCHMARK(BM_SearchEveryVertex)->Arg(11)->Arg(5)->Arg(2)->Arg(49)->Unit(benchmark::kMicrosecond);

void BM_SearchFromZeroAndRotate(benchmark::State& state) {
  const auto adjacency = BuildAdjacency(kDialogN, OneTo(static_cast<std::int32_t>(state.range(0))));
  for (auto _ : state) benchmark::DoNotOptimize(BuildCirculantDistanceMatrix(adjacency));
}
BENCHMARK(BM_SearchFromZeroAndRotate)
    ->Arg(11)
    ->Arg(5)
    ->Arg(2)
    ->Arg(49)
    ->Unit(benchmark::kMicrosecond);

// The whole build from the two texts, generators {1..11}; the argument is N.
void BM_BuildCirculant(benchmark::State& state) {
  const std::string vertices = std::to_string(state.range(0));
  const std::string generators = OneToText(11);
  for (auto _ : state) benchmark::DoNotOptimize(BuildCirculant(vertices, generators));
}
BENCHMARK(BM_BuildCirculant)
    ->Arg(99)
    ->Arg(256)
    ->Arg(1024)
    ->Arg(4096)
    ->Unit(benchmark::kMicrosecond);

// The floor under any build: allocate and write the two N x N matrices.
void BM_AllocateTwoMatrices(benchmark::State& state) {
  const auto n = static_cast<std::int32_t>(state.range(0));
  for (auto _ : state) {
    AdjacencyMatrix adjacency(n, 1);
    DistanceMatrix distances(n, 2);
    benchmark::DoNotOptimize(adjacency.data());
    benchmark::DoNotOptimize(distances.data());
    benchmark::ClobberMemory();
  }
}
BENCHMARK(BM_AllocateTwoMatrices)->Arg(99)->Arg(256)->Arg(1024)->Arg(4096)->Unit(benchmark::kMicrosecond);

}  // namespace
}  // namespace velmar

BENCHMARK_MAIN();
