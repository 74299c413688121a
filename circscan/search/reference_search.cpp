// The searches as first written (see reference_search.h): for each N, every
// set that is the smallest member of its orbit gets a ring search, abandoned
// once the lattice bound shows it cannot beat the best so far.
#include "reference_search.h"

#include <tbb/blocked_range.h>
#include <tbb/parallel_for.h>

#include <algorithm>
#include <atomic>
#include <cstdint>
#include <mutex>
#include <optional>
#include <span>
#include <vector>

#include "best_tally.h"
#include "candidates.h"
#include "orbit.h"
#include "ring_search.h"
#include "search.h"

namespace circscan::reference {
namespace {

std::optional<BestRow> BestOf(std::int32_t n, const BestQuery& query) {
  const CandidatePlan plan(n, query.k);
  const KeyCodec codec{query.by};
  std::atomic<std::uint64_t> ceiling{UINT64_MAX};
  std::mutex mutex;
  Tally total;
  tbb::parallel_for(tbb::blocked_range<std::size_t>(0, plan.taskCount()), [&](const auto& range) {
    RingSearch search(n, query.k);
    std::vector<std::int32_t> scratch;
    Tally local;
    for (std::size_t t = range.begin(); t != range.end(); ++t) {
      if (!InShard(n, t, query.shard)) continue;
      plan.ForEachSet(t, [&](std::span<const std::int32_t> set) {
        const OrbitInfo orbit = ExamineOrbit(n, plan.phi(), set, scratch);
        if (!orbit.smallest) return true;
        const auto result = search.Run(set, codec.Unpack(ceiling.load(std::memory_order_relaxed)));
        if (!result) return true;
        const std::uint64_t key = codec.Pack(*result);
        local.Add(key, *result, orbit.size, set);
        LowerTo(ceiling, key);
        return true;
      });
    }
    const std::lock_guard lock(mutex);
    total.Add(local);
  });
  if (total.count == 0) return std::nullopt;
  return BestRow{n,
                 query.k,
                 query.by,
                 std::move(total.smallest),
                 total.result.diameter,
                 total.result.sum,
                 total.count};
}

}  // namespace

std::optional<std::vector<std::int32_t>> FirstWithin(std::int32_t n, std::int32_t k,
                                                     std::int32_t d) {
  const CandidatePlan plan(n, k);
  const Ceiling ceiling{Order::kDiameterFirst, d, INT64_MAX};
  std::vector<std::vector<std::int32_t>> hits(plan.taskCount());
  std::atomic<std::size_t> firstHit{SIZE_MAX};
  tbb::parallel_for(tbb::blocked_range<std::size_t>(0, plan.taskCount()), [&](const auto& range) {
    RingSearch search(n, k);
    std::vector<std::int32_t> scratch;
    for (std::size_t t = range.begin(); t != range.end(); ++t) {
      if (t > firstHit.load()) return;
      plan.ForEachSet(t, [&](std::span<const std::int32_t> set) {
        if (!ExamineOrbit(n, plan.phi(), set, scratch).smallest) return true;
        if (!search.Run(set, ceiling)) return true;
        hits[t].assign(set.begin(), set.end());
        std::size_t current = firstHit.load();
        while (t < current && !firstHit.compare_exchange_weak(current, t)) {
        }
        return false;
      });
    }
  });
  const std::size_t first = firstHit.load();
  if (first == SIZE_MAX) return std::nullopt;
  return std::move(hits[first]);
}

std::vector<BestRow> FindBest(const BestQuery& query) {
  std::vector<BestRow> rows;
  for (std::int32_t n = query.nFrom; n <= query.nTo; ++n) {
    if (n / 2 < query.k) continue;
    if (auto row = BestOf(n, query)) rows.push_back(std::move(*row));
  }
  return rows;
}

std::vector<LargestRow> FindLargest(const LargestQuery& query) {
  std::vector<LargestRow> rows;
  const std::int32_t lowest = std::max(kMinVertexCount, 2 * query.k);
  for (std::int32_t d = query.dFrom; d <= query.dTo; ++d) {
    const auto bound = LargestBound(query.k, d);
    if (!bound) return {};
    for (std::int32_t n = *bound - (query.shard.index - 1); n >= lowest; n -= query.shard.count) {
      if (auto set = FirstWithin(n, query.k, d)) {
        rows.push_back({query.k, d, n, std::move(*set)});
        break;
      }
    }
  }
  return rows;
}

}  // namespace circscan::reference
