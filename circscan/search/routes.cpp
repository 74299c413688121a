#include "routes.h"

#include <algorithm>
#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <utility>
#include <vector>

#include "search.h"

namespace circscan {
namespace {

constexpr std::int32_t kUnreached = -1;
constexpr std::int32_t kOrigin = -2;

}  // namespace

std::optional<RouteTable> RouteTable::Build(std::int32_t n,
                                            const std::vector<std::int32_t>& generators,
                                            std::string* error) {
  auto folded = ConnectedGenerators(n, generators, error);
  if (!folded) return std::nullopt;
  RouteTable table(n, std::move(*folded));
  table.Search();
  return table;
}

RouteTable::RouteTable(std::int32_t n, std::vector<std::int32_t> generators)
    : generators_(std::move(generators)),
      label_(static_cast<std::size_t>(n), kUnreached),
      run_(static_cast<std::size_t>(n), 0),
      most_(2 * generators_.size(), 0) {}

// Breadth-first from 0, trying +s1, -s1, +s2, -s2, ... at each vertex: the
// first step to reach a vertex is the least one after the least route to the
// vertex before, so every route is the least of its length in that order.
void RouteTable::Search() {
  const std::int32_t n = this->n();
  const auto labels = static_cast<std::int32_t>(2 * generators_.size());
  std::vector<std::int32_t> queue(static_cast<std::size_t>(n));
  std::size_t head = 0;
  std::size_t tail = 1;
  queue[0] = 0;
  label_[0] = kOrigin;
  while (tail < queue.size() && head < tail) {
    const std::int32_t v = queue[head++];
    for (std::int32_t l = 0; l < labels; ++l) {
      const std::int32_t s = generators_[static_cast<std::size_t>(l / 2)];
      std::int32_t w = l % 2 == 0 ? v + s : v - s;
      if (w >= n) w -= n;
      if (w < 0) w += n;
      if (label_[w] != kUnreached) continue;
      label_[w] = l;
      run_[w] = label_[v] == l ? run_[v] + 1 : 1;
      most_[l] = std::max(most_[l], run_[w]);
      queue[tail++] = w;
    }
  }
  // The last vertex reached is one of the farthest.
  std::vector<std::int32_t> steps(generators_.size());
  diameter_ = Route(queue.back(), steps);
}

std::int32_t RouteTable::Route(std::int32_t destination, std::span<std::int32_t> steps) const {
  std::fill(steps.begin(), steps.end(), 0);
  const std::int64_t n = this->n();
  std::int32_t hops = 0;
  std::int32_t v = destination;
  while (label_[v] != kOrigin) {
    const std::int32_t l = label_[v];
    const std::int32_t run = run_[v];
    const std::size_t i = static_cast<std::size_t>(l / 2);
    const std::int64_t back = l % 2 == 0 ? -run : run;
    steps[i] = static_cast<std::int32_t>(-back);
    hops += run;
    v = static_cast<std::int32_t>(((v + back * generators_[i]) % n + n) % n);
  }
  return hops;
}

}  // namespace circscan
