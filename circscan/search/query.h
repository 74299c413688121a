// The questions circscan answers and the rows it answers them with: plain
// values, so that the command line, the tests, the benchmark and the merge of
// shards all speak the same language.
#pragma once

#include <atomic>
#include <cstdint>
#include <functional>
#include <optional>
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
  bool ring = false;  // only sets holding generator 1
  bool all = false;   // every optimal set, not only the smallest (see BestRow::classes)
};

struct BestRow {
  std::int32_t n = 0;
  std::int32_t k = 0;
  By by = By::kDiameter;
  std::vector<std::int32_t> generators;  // the lexicographically smallest optimal set
  std::int32_t diameter = 0;
  std::int64_t sum = 0;           // of the distances from vertex 0
  std::uint64_t optimalSets = 0;  // sets with this same D and sum
  // With BestQuery::all: the smallest member of every class (the sets one
  // unit multiplies into each other, ring sets only with `ring`) that
  // reaches D and sum, ascending; ForEachOptimalSet lists their members.
  std::vector<std::vector<std::int32_t>> classes{};
  double average() const { return static_cast<double>(sum) / static_cast<double>(n - 1); }
  friend bool operator==(const BestRow&, const BestRow&) = default;
};

struct LargestQuery {
  std::int32_t k = 0;
  std::int32_t dFrom = 0;
  std::int32_t dTo = 0;
  Shard shard;
  bool ring = false;  // only sets holding generator 1
};

struct LargestRow {
  std::int32_t k = 0;
  std::int32_t diameter = 0;
  std::int32_t n = 0;
  std::vector<std::int32_t> generators;  // the lexicographically smallest with D <= diameter
  friend bool operator==(const LargestRow&, const LargestRow&) = default;
};

// Read by another thread while a search runs. `total` is 0 while unknown.
// `done` and `total` count sets; `work` and `workTotal` count the same sets
// weighed by their expected cost (a set of a large N may cost thousands of
// small ones), so their ratio is the share of the time spent.
struct Progress {
  std::atomic<std::uint64_t> done{0};
  std::atomic<std::uint64_t> total{0};
  std::atomic<std::uint64_t> work{0};
  std::atomic<std::uint64_t> workTotal{0};
  std::atomic<std::int32_t> vertexCount{0};  // the N being searched by `largest`
};

// How a caller follows a long search, resumes one and ends one early. Every
// member may be left empty. A unit of work is one N of `best`, or one N of
// `largest` for one diameter; a unit is reported only once it is finished,
// so what was reported stays true however the run ends.
struct RunHooks {
  Progress* progress = nullptr;
  // Set by another thread to end the search: it returns soon after, having
  // reported only the units it finished. Its rows are then incomplete.
  const std::atomic<bool>* stop = nullptr;

  // best: true for an N already answered (by an earlier run); it is neither
  // searched nor reported, and has no row in the result.
  std::function<bool(std::int32_t n)> bestKnown{};
  // best: N is finished; the row is empty when this part of the search has
  // no set for N. Called from one thread at a time, in no particular order.
  std::function<void(std::int32_t n, const std::optional<BestRow>& row)> bestDone{};

  // largest: true when N is already known to have no set of diameter at
  // most d; it is skipped without a search.
  std::function<bool(std::int32_t d, std::int32_t n)> largestKnownEmpty{};
  // largest: N is finished for diameter d, with the answer's set, or empty
  // when N has none. For each d, called for N in descending order, from one
  // thread at a time.
  std::function<void(std::int32_t d, std::int32_t n,
                     const std::optional<std::vector<std::int32_t>>& set)>
      largestDone{};

  bool Stopped() const { return stop != nullptr && stop->load(std::memory_order_relaxed); }
};

}  // namespace circscan
