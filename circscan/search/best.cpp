// The best set for each N: every orbit's smallest member is searched, worse
// ones abandoned early, and the orbits that tie with the best are counted by
// their sizes.
#include <tbb/blocked_range.h>
#include <tbb/parallel_for.h>

#include <algorithm>
#include <atomic>
#include <cstdint>
#include <mutex>
#include <optional>
#include <vector>

#include "candidates.h"
#include "orbit.h"
#include "ring_search.h"
#include "search.h"

namespace circscan {
namespace {

// (D, sum) or (sum, D) in one word, so threads can share the best key with
// one atomic minimum. D < 2^20 and sum < 2^40 below kMaxVertexCount.
struct KeyCodec {
  By by;
  std::uint64_t Pack(const RingDistances& r) const {
    const auto d = static_cast<std::uint64_t>(r.diameter);
    const auto s = static_cast<std::uint64_t>(r.sum);
    return by == By::kDiameter ? (d << 40) | s : (s << 20) | d;
  }
  Ceiling Unpack(std::uint64_t key) const {
    const Order order = by == By::kDiameter ? Order::kDiameterFirst : Order::kSumFirst;
    if (key == UINT64_MAX) return {order, INT32_MAX, INT64_MAX};
    if (by == By::kDiameter) {
      return {order, static_cast<std::int32_t>(key >> 40),
              static_cast<std::int64_t>(key & ((std::uint64_t{1} << 40) - 1))};
    }
    return {order, static_cast<std::int32_t>(key & ((std::uint64_t{1} << 20) - 1)),
            static_cast<std::int64_t>(key >> 20)};
  }
};

struct Tally {
  std::uint64_t key = UINT64_MAX;
  RingDistances result;
  std::uint64_t count = 0;
  std::vector<std::int32_t> smallest;

  void Add(std::uint64_t k, const RingDistances& r, std::uint64_t orbit,
           std::span<const std::int32_t> set) {
    if (k > key) return;
    if (k < key) {
      key = k;
      result = r;
      count = 0;
      smallest.assign(set.begin(), set.end());
    } else if (std::lexicographical_compare(set.begin(), set.end(), smallest.begin(),
                                            smallest.end())) {
      smallest.assign(set.begin(), set.end());
    }
    count += orbit;
  }
  void Add(const Tally& other) {
    if (other.count > 0) Add(other.key, other.result, other.count, other.smallest);
  }
};

void LowerTo(std::atomic<std::uint64_t>& shared, std::uint64_t key) {
  std::uint64_t current = shared.load(std::memory_order_relaxed);
  while (key < current && !shared.compare_exchange_weak(current, key)) {
  }
}

// Tasks go round the shards starting at a place that moves with N, so short
// tasks and long ones spread over all parts.
bool InShard(std::int32_t n, std::size_t task, const Shard& shard) {
  return (static_cast<std::size_t>(n) + task) % static_cast<std::size_t>(shard.count) ==
         static_cast<std::size_t>(shard.index - 1);
}

// A unit of work that a stop may leave unfinished; its row is then unknown.
struct Outcome {
  bool finished = false;
  std::optional<BestRow> row;
};

Outcome BestOf(std::int32_t n, const BestQuery& query, const RunHooks& hooks) {
  const CandidatePlan plan(n, query.k);
  const KeyCodec codec{query.by};
  std::vector<std::size_t> mine;
  for (std::size_t t = 0; t < plan.taskCount(); ++t) {
    if (InShard(n, t, query.shard)) mine.push_back(t);
  }
  std::atomic<std::uint64_t> ceiling{UINT64_MAX};
  std::mutex mutex;
  Tally total;
  tbb::parallel_for(tbb::blocked_range<std::size_t>(0, mine.size()), [&](const auto& range) {
    RingSearch search(n, query.k);
    std::vector<std::int32_t> scratch;
    Tally local;
    for (std::size_t i = range.begin(); i != range.end(); ++i) {
      const std::uint64_t seen = plan.ForEachSet(mine[i], [&](std::span<const std::int32_t> set) {
        if (hooks.Stopped()) return false;
        const OrbitInfo orbit = ExamineOrbit(n, plan.phi(), set, scratch);
        if (!orbit.smallest) return true;
        const auto result = search.Run(set, codec.Unpack(ceiling.load(std::memory_order_relaxed)));
        if (!result) return true;
        const std::uint64_t key = codec.Pack(*result);
        local.Add(key, *result, orbit.size, set);
        LowerTo(ceiling, key);
        return true;
      });
      if (hooks.progress != nullptr) hooks.progress->done += seen;
    }
    const std::lock_guard lock(mutex);
    total.Add(local);
  });
  // A stop may have cut any task short, so nothing of this N can be trusted.
  if (hooks.Stopped()) return {};
  if (total.count == 0) return {true, std::nullopt};
  return {true, BestRow{n, query.k, query.by, std::move(total.smallest), total.result.diameter,
                        total.result.sum, total.count}};
}

bool Searched(std::int32_t n, const BestQuery& query, const RunHooks& hooks) {
  return n / 2 >= query.k && !(hooks.bestKnown && hooks.bestKnown(n));
}

std::uint64_t CountCandidates(const BestQuery& query, const RunHooks& hooks) {
  std::atomic<std::uint64_t> total{0};
  tbb::parallel_for(query.nFrom, query.nTo + 1, [&](std::int32_t n) {
    // Counting a long range takes seconds, and a stop must not wait for it.
    if (hooks.Stopped() || !Searched(n, query, hooks)) return;
    const CandidatePlan plan(n, query.k);
    std::uint64_t sum = 0;
    for (std::size_t t = 0; t < plan.taskCount(); ++t) {
      if (InShard(n, t, query.shard)) sum += plan.TaskSize(t);
    }
    total += sum;
  });
  return total.load();
}

}  // namespace

std::vector<BestRow> FindBest(const BestQuery& query, const RunHooks& hooks) {
  if (query.nFrom < kMinVertexCount || query.nTo < query.nFrom || query.nTo > kMaxVertexCount ||
      query.k < 1 || query.shard.count < 1 || query.shard.index < 1 ||
      query.shard.index > query.shard.count) {
    return {};
  }
  if (hooks.progress != nullptr) hooks.progress->total = CountCandidates(query, hooks);
  const auto count = static_cast<std::size_t>(query.nTo - query.nFrom + 1);
  std::vector<std::optional<BestRow>> rows(count);
  std::mutex reportMutex;
  tbb::parallel_for(std::size_t{0}, count, [&](std::size_t i) {
    const auto n = static_cast<std::int32_t>(query.nFrom + static_cast<std::int32_t>(i));
    if (hooks.Stopped() || !Searched(n, query, hooks)) return;
    Outcome outcome = BestOf(n, query, hooks);
    if (!outcome.finished) return;
    if (hooks.bestDone) {
      const std::lock_guard lock(reportMutex);
      hooks.bestDone(n, outcome.row);
    }
    rows[i] = std::move(outcome.row);
  });
  std::vector<BestRow> found;
  for (auto& row : rows) {
    if (row) found.push_back(std::move(*row));
  }
  return found;
}

}  // namespace circscan
