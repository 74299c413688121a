// Exact distances from vertex 0 with no depth limit, for callers that study
// circulants beyond what the dialog's four-hop search can tell apart.
#include <cstdint>
#include <vector>

#include "circulant.h"

namespace velmar {

std::vector<std::int32_t> ExactDistancesFromZero(std::int32_t n,
                                                 const std::vector<std::int32_t>& generators) {
  if (n < 1) return {};
  // Each generator joins i to i + g and i - g; reducing in 64 bits keeps
  // generators near the 32-bit limits from overflowing.
  std::vector<std::int32_t> steps;
  for (const std::int32_t g : generators) {
    const auto r = static_cast<std::int32_t>(((static_cast<std::int64_t>(g) % n) + n) % n);
    if (r == 0) continue;  // a loop moves nowhere
    steps.push_back(r);
    steps.push_back(n - r);
  }
  std::vector<std::int32_t> dist(static_cast<std::size_t>(n), kUnreachable);
  std::vector<std::int32_t> queue;
  queue.reserve(static_cast<std::size_t>(n));
  dist[0] = 0;
  queue.push_back(0);
  for (std::size_t head = 0; head < queue.size(); ++head) {
    const std::int32_t v = queue[head];
    const std::int32_t next = dist[static_cast<std::size_t>(v)] + 1;
    for (const std::int32_t step : steps) {
      std::int64_t w = std::int64_t{v} + step;
      if (w >= n) w -= n;
      auto& d = dist[static_cast<std::size_t>(w)];
      if (d == kUnreachable) {
        d = next;
        queue.push_back(static_cast<std::int32_t>(w));
      }
    }
  }
  return dist;
}

std::int64_t SumOfDistances(const std::vector<std::int32_t>& distances) {
  std::int64_t sum = 0;
  for (const std::int32_t d : distances) {
    if (d == kUnreachable) return -1;
    sum += d;
  }
  return sum;
}

}  // namespace velmar
