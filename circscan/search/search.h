// The three questions of circscan as functions without input or output.
// They run their loops in parallel on oneTBB's threads; the caller limits
// those with tbb::global_control.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "query.h"

namespace circscan {

// One row per N of the range that has a connected set (none for the others),
// ascending. With a shard, each row covers only that part of the search.
std::vector<BestRow> FindBest(const BestQuery& query, const RunHooks& hooks = {});

// One row per diameter of the range, ascending. With a shard, a row covers
// only that part's vertex counts and is missing when the part has none.
std::vector<LargestRow> FindLargest(const LargestQuery& query, const RunHooks& hooks = {});

// The bound from which `largest` searches N downward: the lattice points
// within taxicab distance d in k dimensions, sum over i of 2^i C(k,i) C(d,i).
// Empty when it exceeds kMaxVertexCount.
std::optional<std::int32_t> LargestBound(std::int32_t k, std::int32_t d);

// Rows of the shards of one search combined into the rows of the whole search.
std::vector<BestRow> MergeBest(const std::vector<std::vector<BestRow>>& parts);
std::vector<LargestRow> MergeLargest(const std::vector<std::vector<LargestRow>>& parts);

struct Analysis {
  std::int32_t n = 0;
  std::vector<std::int32_t> generators;  // folded, sorted, without repeats or loops
  std::vector<std::int32_t> distances;   // from vertex 0, exact
  std::int32_t diameter = 0;
  std::int64_t sum = 0;
  double average() const { return static_cast<double>(sum) / static_cast<double>(n - 1); }
};

// Generators are read as velmar reads them (any integer, mod n, either sign)
// and kept folded into 1..n/2, ascending, without repeats or loops. An error
// text when n is out of 2..kMaxVertexCount or the circulant is not connected.
std::optional<std::vector<std::int32_t>> ConnectedGenerators(
    std::int32_t n, const std::vector<std::int32_t>& generators, std::string* error);

// The circulant of ConnectedGenerators in full.
std::optional<Analysis> Analyze(std::int32_t n, const std::vector<std::int32_t>& generators,
                                std::string* error);

}  // namespace circscan
