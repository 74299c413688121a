// The questions circscan answers and the rows it answers them with: plain
// values, so that the command line, the tests, the benchmark and the merge of
// shards all speak the same language.
#pragma once

#include <atomic>
#include <cstdint>
#include <vector>

namespace circscan {

// Vertex counts up to this keep D below 2^20 and the sums of distances below
// 2^40, which the search packs into one 64-bit word.
inline constexpr std::int32_t kMaxVertexCount = 1000000;
inline constexpr std::int32_t kMinVertexCount = 3;

enum class By { kDiameter, kAverage };

// Part `index` (1-based) of `count` deterministic parts of a search.
struct Shard {
  std::int32_t index = 1;
  std::int32_t count = 1;
  friend bool operator==(const Shard&, const Shard&) = default;
};

struct BestQuery {
  std::int32_t nFrom = 0;
  std::int32_t nTo = 0;
  std::int32_t k = 0;
  By by = By::kDiameter;
  Shard shard;
};

struct BestRow {
  std::int32_t n = 0;
  std::int32_t k = 0;
  By by = By::kDiameter;
  std::vector<std::int32_t> generators;  // the lexicographically smallest optimal set
  std::int32_t diameter = 0;
  std::int64_t sum = 0;           // of the distances from vertex 0
  std::uint64_t optimalSets = 0;  // sets with this same D and sum
  double average() const { return static_cast<double>(sum) / static_cast<double>(n - 1); }
  friend bool operator==(const BestRow&, const BestRow&) = default;
};

struct LargestQuery {
  std::int32_t k = 0;
  std::int32_t dFrom = 0;
  std::int32_t dTo = 0;
  Shard shard;
};

struct LargestRow {
  std::int32_t k = 0;
  std::int32_t diameter = 0;
  std::int32_t n = 0;
  std::vector<std::int32_t> generators;  // the lexicographically smallest with D <= diameter
  friend bool operator==(const LargestRow&, const LargestRow&) = default;
};

// Read by another thread while a search runs. `total` is 0 while unknown.
struct Progress {
  std::atomic<std::uint64_t> done{0};
  std::atomic<std::uint64_t> total{0};
  std::atomic<std::int32_t> vertexCount{0};  // the N being searched by `largest`
};

}  // namespace circscan
