// The largest N with a set of diameter at most d: N downward from the
// lattice bound, and for each N the sets in lexicographic order, so the first
// set whose ball of radius d covers the ring is the answer for that N.
#include <tbb/blocked_range.h>
#include <tbb/parallel_for.h>

#include <algorithm>
#include <atomic>
#include <cstdint>
#include <optional>
#include <vector>

#include "candidates.h"
#include "cover_walk.h"
#include "orbit.h"
#include "search.h"

namespace circscan {
namespace {

// A unit of work that a stop may leave unfinished; its answer is then unknown.
struct Outcome {
  bool finished = false;
  std::optional<std::vector<std::int32_t>> set;
};

// The smallest set (over the whole space, not only orbit representatives) of
// diameter at most d: it is the smallest member of its orbit, so it is the
// first set of the plan, in lexicographic order, whose ball of radius d
// holds every vertex.
Outcome FirstWithin(std::int32_t n, std::int32_t k, std::int32_t d, bool ring,
                    const RunHooks& hooks) {
  const CandidatePlan plan(n, k);
  // Ring sets are the first tasks, and the smallest member of a ring set's
  // orbit holds 1 as well, so the walk's pruning stays sound within them.
  const std::size_t tasks = plan.taskCount(ring);
  const std::vector<std::int32_t> inverses = FoldedInverses(n);
  const std::vector<std::uint16_t> quotients =
      k > 2 ? FoldedQuotients(n, inverses) : std::vector<std::uint16_t>{};
  std::vector<std::vector<std::int32_t>> hits(tasks);
  std::atomic<std::size_t> firstHit{SIZE_MAX};
  tbb::parallel_for(tbb::blocked_range<std::size_t>(0, tasks), [&](const auto& range) {
    CoverWalk walk(plan, d, inverses, quotients, hooks, firstHit);
    for (std::size_t t = range.begin(); t != range.end(); ++t) {
      if (t > firstHit.load(std::memory_order_relaxed) || hooks.Stopped()) return;
      CoverWalk::Result result = walk.Run(t);
      if (result.cut) return;
      if (!result.set) continue;
      hits[t] = std::move(*result.set);
      std::size_t current = firstHit.load();
      while (t < current && !firstHit.compare_exchange_weak(current, t)) {
      }
      return;
    }
  });
  // A stop may have cut short a task before the first hit.
  if (hooks.Stopped()) return {};
  const std::size_t first = firstHit.load();
  if (first == SIZE_MAX) return {true, std::nullopt};
  return {true, std::move(hits[first])};
}

}  // namespace

std::optional<std::int32_t> LargestBound(std::int32_t k, std::int32_t d) {
  if (k < 1 || d < 1) return std::nullopt;
  // Every factor is checked against the cap before the next step, so no
  // product of three of them leaves 64 bits.
  std::uint64_t total = 0;
  std::uint64_t chooseK = 1;  // C(k, i)
  std::uint64_t chooseD = 1;  // C(d, i)
  std::uint64_t power = 1;    // 2^i
  for (std::int32_t i = 0; i <= std::min(k, d); ++i) {
    if (i > 0) {
      chooseK = chooseK * static_cast<unsigned>(k - i + 1) / static_cast<unsigned>(i);
      chooseD = chooseD * static_cast<unsigned>(d - i + 1) / static_cast<unsigned>(i);
      power *= 2;
    }
    total += power * chooseK * chooseD;
    if (total > kMaxVertexCount || chooseK > kMaxVertexCount || chooseD > kMaxVertexCount ||
        power > kMaxVertexCount) {
      return std::nullopt;
    }
  }
  return static_cast<std::int32_t>(total);
}

std::vector<LargestRow> FindLargest(const LargestQuery& query, const RunHooks& hooks) {
  std::vector<LargestRow> rows;
  if (query.dFrom < 1 || query.dTo < query.dFrom || query.shard.count < 1 ||
      query.shard.index < 1 || query.shard.index > query.shard.count) {
    return rows;
  }
  const std::int32_t lowest = std::max(kMinVertexCount, 2 * query.k);
  for (std::int32_t d = query.dFrom; d <= query.dTo; ++d) {
    const auto bound = LargestBound(query.k, d);
    if (!bound) return {};
    // Shards take every count-th N counted down from the bound.
    for (std::int32_t n = *bound - (query.shard.index - 1); n >= lowest; n -= query.shard.count) {
      if (hooks.largestKnownEmpty && hooks.largestKnownEmpty(d, n)) continue;
      if (hooks.progress != nullptr) hooks.progress->vertexCount = n;
      Outcome outcome = FirstWithin(n, query.k, d, query.ring, hooks);
      if (!outcome.finished) return rows;
      if (hooks.largestDone) hooks.largestDone(d, n, outcome.set);
      if (outcome.set) {
        rows.push_back({query.k, d, n, std::move(*outcome.set)});
        break;
      }
    }
  }
  return rows;
}

}  // namespace circscan
