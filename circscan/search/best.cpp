// The best set for each N: every orbit's smallest member is searched, worse
// ones abandoned early, and the orbits that tie with the best are counted by
// their sizes. By diameter, a set whose ball of the best D so far misses a
// vertex is worse, and a coverage test tells so before any search.
#include <tbb/blocked_range.h>
#include <tbb/parallel_for.h>

#include <algorithm>
#include <atomic>
#include <cstdint>
#include <mutex>
#include <optional>
#include <vector>

#include "ball_cover.h"
#include "best_tally.h"
#include "candidates.h"
#include "orbit.h"
#include "ring_search.h"
#include "sampled_ceiling.h"
#include "search.h"
#include "sum_bound.h"
#include "unit_check.h"

namespace circscan {
namespace {

// The levels of the ball of the current set's prefix (all but its last
// generator), rebuilt from the first generator that changed, and for a new
// radius from scratch.
class PrefixCover {
 public:
  explicit PrefixCover(std::int32_t n) : n_(n), words_(static_cast<std::size_t>(n) / 64 + 3) {}

  // True when the set's ball of the radius holds every vertex. Always true
  // where the levels would take too much memory to pay off.
  bool Within(std::int32_t radius, std::span<const std::int32_t> set) {
    const auto depth = static_cast<std::int32_t>(set.size()) - 1;
    if (static_cast<std::size_t>(radius + 1) * set.size() * words_ > kMaxWords) return true;
    if (!cover_ || cover_->radius() != radius) {
      cover_.emplace(n_, radius, depth);
      prefix_.clear();
    }
    std::size_t same = 0;
    while (same < prefix_.size() && prefix_[same] == set[same]) ++same;
    prefix_.resize(same);
    for (std::size_t p = same; p + 1 < set.size(); ++p) {
      cover_->Push(static_cast<std::int32_t>(p), set[p]);
      prefix_.push_back(set[p]);
    }
    return cover_->Covers(depth, set.back());
  }

 private:
  static constexpr std::size_t kMaxWords = std::size_t{1} << 20;
  std::int32_t n_;
  std::size_t words_;
  std::optional<BallCover> cover_;
  std::vector<std::int32_t> prefix_;
};

// By average: true when the set is certainly not the smallest of its class
// or its sum certainly exceeds `sum`, so it needs neither test nor search.
bool PassedOver(SumBound& sums, const std::vector<std::int32_t>& inverses, std::int64_t sum,
                std::span<const std::int32_t> set) {
  if (!sums.enabled()) return false;
  if (set[0] == 1 && !MayBeSmallest(sums.n(), set, inverses)) return true;
  return !sums.MayReach(sum, set);
}

// The expected cost of one set of n, in units of a set of a small n: with
// one generator the search walks n / 2 levels; with more, the few sets that
// reach a search cost in proportion to n.
std::uint64_t SetWeight(std::int32_t n, std::int32_t k) {
  const auto size = static_cast<std::uint64_t>(n);
  return k == 1 ? 1 + size / 4 : 1 + size / 1024;
}

// Sets between reports of progress.
constexpr std::uint64_t kReportEvery = 4096;

// A unit of work that a stop may leave unfinished; its row is then unknown.
struct Outcome {
  bool finished = false;
  std::optional<BestRow> row;
};

Outcome BestOf(std::int32_t n, const BestQuery& query, const RunHooks& hooks) {
  const CandidatePlan plan(n, query.k);
  const KeyCodec codec{query.by};
  std::vector<std::size_t> mine;
  for (std::size_t t = 0; t < plan.taskCount(query.ring); ++t) {
    if (InShard(n, t, query.shard)) mine.push_back(t);
  }
  // By average, a sample's best sum lets the bound drop sets from the start.
  const bool bySum = query.by == By::kAverage && query.k > 1;
  std::atomic<std::uint64_t> ceiling{bySum ? SampledCeiling(plan, mine, codec) : UINT64_MAX};
  const std::vector<std::int32_t> inverses =
      bySum ? FoldedInverses(n) : std::vector<std::int32_t>{};
  std::mutex mutex;
  Tally total;
  total.keepClasses = query.all;
  const std::uint64_t weight = SetWeight(n, query.k);
  const auto report = [&](std::uint64_t sets) {
    if (hooks.progress == nullptr) return;
    hooks.progress->done += sets;
    hooks.progress->work += sets * weight;
  };
  tbb::parallel_for(tbb::blocked_range<std::size_t>(0, mine.size()), [&](const auto& range) {
    // Built on the first set that needs a search: its tables cost O(n), which
    // matters where a whole N holds one such set.
    std::optional<RingSearch> search;
    PrefixCover cover(n);
    std::optional<SumBound> sums;
    std::vector<std::int32_t> scratch;
    Tally local;
    local.keepClasses = query.all;
    for (std::size_t i = range.begin(); i != range.end() && !hooks.Stopped(); ++i) {
      std::uint64_t visited = 0;
      const std::uint64_t seen = plan.ForEachSet(mine[i], [&](std::span<const std::int32_t> set) {
        if (++visited % kReportEvery == 0) report(kReportEvery);
        if (hooks.Stopped()) return false;
        const Ceiling now = codec.Unpack(ceiling.load(std::memory_order_relaxed));
        if (query.by == By::kDiameter && now.diameter != INT32_MAX &&
            !cover.Within(now.diameter, set)) {
          return true;
        }
        if (bySum && !sums) sums.emplace(n, query.k);
        if (bySum && PassedOver(*sums, inverses, now.sum, set)) return true;
        const OrbitInfo orbit = ExamineOrbit(n, plan.phi(), set, scratch);
        if (!orbit.smallest) return true;
        if (!search) search.emplace(n, query.k);
        const auto result = search->Run(set, now);
        if (!result) return true;
        const std::uint64_t key = codec.Pack(*result);
        local.Add(key, *result, query.ring ? RingClassSize(n, set) : orbit.size, set);
        LowerTo(ceiling, key);
        return true;
      });
      report(seen - visited / kReportEvery * kReportEvery);
    }
    const std::lock_guard lock(mutex);
    total.Add(local);
  });
  // A stop may have cut any task short, so nothing of this N can be trusted.
  if (hooks.Stopped()) return {};
  if (total.count == 0) return {true, std::nullopt};
  std::sort(total.classes.begin(), total.classes.end());
  return {true, BestRow{n, query.k, query.by, std::move(total.smallest), total.result.diameter,
                        total.result.sum, total.count, std::move(total.classes)}};
}

bool Searched(std::int32_t n, const BestQuery& query, const RunHooks& hooks) {
  return n / 2 >= query.k && !(hooks.bestKnown && hooks.bestKnown(n));
}

// The sets of the whole search, and the same weighed by their cost.
void CountCandidates(const BestQuery& query, const RunHooks& hooks, Progress& progress) {
  std::atomic<std::uint64_t> total{0};
  std::atomic<std::uint64_t> work{0};
  tbb::parallel_for(query.nFrom, query.nTo + 1, [&](std::int32_t n) {
    // Counting a long range takes seconds, and a stop must not wait for it.
    if (hooks.Stopped() || !Searched(n, query, hooks)) return;
    const CandidatePlan plan(n, query.k);
    std::uint64_t sum = 0;
    for (std::size_t t = 0; t < plan.taskCount(query.ring); ++t) {
      if (InShard(n, t, query.shard)) sum += plan.TaskSize(t);
    }
    total += sum;
    work += sum * SetWeight(n, query.k);
  });
  progress.total = total.load();
  progress.workTotal = work.load();
}

}  // namespace

std::vector<BestRow> FindBest(const BestQuery& query, const RunHooks& hooks) {
  if (query.nFrom < kMinVertexCount || query.nTo < query.nFrom || query.nTo > kMaxVertexCount ||
      query.k < 1 || query.shard.count < 1 || query.shard.index < 1 ||
      query.shard.index > query.shard.count) {
    return {};
  }
  if (hooks.progress != nullptr) CountCandidates(query, hooks, *hooks.progress);
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
