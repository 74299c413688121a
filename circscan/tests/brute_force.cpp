#include "brute_force.h"

#include <algorithm>
#include <cstdint>
#include <deque>
#include <optional>
#include <tuple>
#include <vector>

namespace circscan::testing {
namespace {

// Calls visit for every k-subset of 1..n/2 in lexicographic order; with
// `ring`, for those that hold 1, which come first.
template <typename Visit>
void ForEachSubset(std::int32_t n, std::int32_t k, bool ring, Visit visit) {
  const std::int32_t half = n / 2;
  if (k > half) return;
  std::vector<std::int32_t> set(static_cast<std::size_t>(k));
  for (std::int32_t i = 0; i < k; ++i) set[static_cast<std::size_t>(i)] = i + 1;
  while (true) {
    if (ring && set[0] != 1) return;
    if (!visit(set)) return;
    std::int32_t i = k - 1;
    while (i >= 0 && set[static_cast<std::size_t>(i)] == half - (k - 1 - i)) --i;
    if (i < 0) return;
    ++set[static_cast<std::size_t>(i)];
    for (std::int32_t j = i + 1; j < k; ++j) {
      set[static_cast<std::size_t>(j)] = set[static_cast<std::size_t>(j - 1)] + 1;
    }
  }
}

}  // namespace

std::optional<Plain> PlainSearch(std::int32_t n, const std::vector<std::int32_t>& generators) {
  std::vector<std::int32_t> dist(static_cast<std::size_t>(n), -1);
  std::deque<std::int32_t> queue{0};
  dist[0] = 0;
  while (!queue.empty()) {
    const std::int32_t v = queue.front();
    queue.pop_front();
    for (const std::int32_t g : generators) {
      for (const std::int32_t w : {(v + g) % n, (v - g + n) % n}) {
        if (dist[static_cast<std::size_t>(w)] < 0) {
          dist[static_cast<std::size_t>(w)] = dist[static_cast<std::size_t>(v)] + 1;
          queue.push_back(w);
        }
      }
    }
  }
  Plain result{0, 0};
  for (const std::int32_t d : dist) {
    if (d < 0) return std::nullopt;
    result.diameter = std::max(result.diameter, d);
    result.sum += d;
  }
  return result;
}

std::optional<BestRow> BruteBest(std::int32_t n, std::int32_t k, By by, bool ring) {
  std::optional<BestRow> best;
  const auto key = [by](std::int32_t d, std::int64_t s) {
    return by == By::kDiameter ? std::tuple(std::int64_t{d}, s) : std::tuple(s, std::int64_t{d});
  };
  ForEachSubset(n, k, ring, [&](const std::vector<std::int32_t>& set) {
    const auto plain = PlainSearch(n, set);
    if (!plain) return true;
    if (!best || key(plain->diameter, plain->sum) < key(best->diameter, best->sum)) {
      best = BestRow{n, k, by, set, plain->diameter, plain->sum, 1};
    } else if (key(plain->diameter, plain->sum) == key(best->diameter, best->sum)) {
      ++best->optimalSets;  // sets come in lexicographic order: the first stays
    }
    return true;
  });
  return best;
}

std::vector<std::vector<std::int32_t>> BruteOptimalSets(std::int32_t n, std::int32_t k, By by,
                                                        bool ring) {
  const auto best = BruteBest(n, k, by, ring);
  std::vector<std::vector<std::int32_t>> sets;
  if (!best) return sets;
  ForEachSubset(n, k, ring, [&](const std::vector<std::int32_t>& set) {
    const auto plain = PlainSearch(n, set);
    if (plain && plain->diameter == best->diameter && plain->sum == best->sum) sets.push_back(set);
    return true;
  });
  return sets;
}

std::optional<LargestRow> BruteLargest(std::int32_t k, std::int32_t d, std::int32_t from,
                                       bool ring) {
  for (std::int32_t n = from; n >= 3; --n) {
    std::optional<LargestRow> found;
    ForEachSubset(n, k, ring, [&](const std::vector<std::int32_t>& set) {
      const auto plain = PlainSearch(n, set);
      if (plain && plain->diameter <= d) {
        found = LargestRow{k, d, n, set};
        return false;
      }
      return true;
    });
    if (found) return found;
  }
  return std::nullopt;
}

}  // namespace circscan::testing
