// What the best-set searches share: the (D, sum) key that threads lower
// together, the tally of the sets that tie with the best, and how the tasks
// of one N are dealt round the shards. The first search (reference_search)
// uses them too, so that both deal and count alike.
#pragma once

#include <algorithm>
#include <atomic>
#include <cstddef>
#include <cstdint>
#include <span>
#include <vector>

#include "query.h"
#include "ring_search.h"

namespace circscan {

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
  bool keepClasses = false;  // keep every tying class's smallest member in `classes`
  std::uint64_t key = UINT64_MAX;
  RingDistances result;
  std::uint64_t count = 0;
  std::vector<std::int32_t> smallest;
  std::vector<std::vector<std::int32_t>> classes;

  void Add(std::uint64_t k, const RingDistances& r, std::uint64_t orbit,
           std::span<const std::int32_t> set) {
    if (!Tie(k, r, set)) return;
    count += orbit;
    if (keepClasses) classes.emplace_back(set.begin(), set.end());
  }
  void Add(const Tally& other) {
    if (other.count == 0 || !Tie(other.key, other.result, other.smallest)) return;
    count += other.count;
    classes.insert(classes.end(), other.classes.begin(), other.classes.end());
  }

 private:
  // False when the key is worse; a better one starts the tally again.
  bool Tie(std::uint64_t k, const RingDistances& r, std::span<const std::int32_t> set) {
    if (k > key) return false;
    if (k < key) {
      key = k;
      result = r;
      count = 0;
      classes.clear();
      smallest.assign(set.begin(), set.end());
    } else if (std::lexicographical_compare(set.begin(), set.end(), smallest.begin(),
                                            smallest.end())) {
      smallest.assign(set.begin(), set.end());
    }
    return true;
  }
};

inline void LowerTo(std::atomic<std::uint64_t>& shared, std::uint64_t key) {
  std::uint64_t current = shared.load(std::memory_order_relaxed);
  while (key < current && !shared.compare_exchange_weak(current, key)) {
  }
}

// Tasks go round the shards starting at a place that moves with N, so short
// tasks and long ones spread over all parts.
inline bool InShard(std::int32_t n, std::size_t task, const Shard& shard) {
  return (static_cast<std::size_t>(n) + task) % static_cast<std::size_t>(shard.count) ==
         static_cast<std::size_t>(shard.index - 1);
}

}  // namespace circscan
