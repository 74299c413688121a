#include "ring_search.h"

#include <algorithm>
#include <bit>
#include <cstddef>
#include <cstdint>
#include <span>

namespace circscan {
namespace {

using Word = std::uint64_t;
constexpr std::int32_t kWordBits = 64;

// dst |= (src turned by `offset` along a ring of n), for 0 < offset < n. The
// turn is a shift up by `offset` and a shift down by n - offset; bits pushed
// to n and beyond are cleared once per level by the caller.
void RotateOr(Word* dst, const Word* src, std::size_t words, std::int32_t offset, std::int32_t n) {
  {
    const std::size_t wordShift = static_cast<std::size_t>(offset / kWordBits);
    const int bitShift = offset % kWordBits;
    if (bitShift == 0) {
      for (std::size_t i = wordShift; i < words; ++i) dst[i] |= src[i - wordShift];
    } else {
      dst[wordShift] |= src[0] << bitShift;
      for (std::size_t i = wordShift + 1; i < words; ++i) {
        const std::size_t from = i - wordShift;
        dst[i] |= (src[from] << bitShift) | (src[from - 1] >> (kWordBits - bitShift));
      }
    }
  }
  {
    const std::int32_t down = n - offset;
    const std::size_t wordShift = static_cast<std::size_t>(down / kWordBits);
    const int bitShift = down % kWordBits;
    if (bitShift == 0) {
      for (std::size_t i = 0; i + wordShift < words; ++i) dst[i] |= src[i + wordShift];
    } else {
      for (std::size_t i = 0; i + wordShift + 1 < words; ++i) {
        const std::size_t from = i + wordShift;
        dst[i] |= (src[from] >> bitShift) | (src[from + 1] << (kWordBits - bitShift));
      }
      dst[words - 1 - wordShift] |= src[words - 1] >> bitShift;
    }
  }
}

// C(a, b), or `cap` once it reaches the cap (cap below 2^31).
std::int64_t Binomial(std::int64_t a, std::int64_t b, std::int64_t cap) {
  if (b < 0 || b > a) return 0;
  b = std::min(b, a - b);
  std::int64_t value = 1;
  for (std::int64_t i = 1; i <= b; ++i) {
    // Each step's value is itself a binomial, at most cap * (a - b + i) < 2^63.
    value = value * (a - b + i) / i;
    if (value >= cap) return cap;
  }
  return value;
}

}  // namespace

RingSearch::RingSearch(std::int32_t n, std::int32_t k)
    : n_(n),
      visited_((static_cast<std::size_t>(n) + kWordBits - 1) / kWordBits),
      frontier_(visited_.size()),
      next_(visited_.size()),
      sphere_(static_cast<std::size_t>(n) + 1) {
  for (std::int64_t j = 1; j <= n; ++j) {
    std::int64_t count = 0;
    for (std::int64_t i = 1; i <= std::min<std::int64_t>(k, j) && count < n; ++i) {
      const std::int64_t ways = Binomial(k, i, n) * Binomial(j - 1, i - 1, n);
      count = std::min<std::int64_t>(
          n, count + std::min<std::int64_t>(n, ways << std::min<std::int64_t>(i, 31)));
    }
    sphere_[static_cast<std::size_t>(j)] = count;
  }
}

bool RingSearch::CertainlyWorse(std::int32_t level, std::int64_t reached, std::int64_t sum,
                                const Ceiling& ceiling) const {
  // Fill the vertices still unreached into the following levels as densely
  // as the lattice allows: that gives the smallest D and the smallest sum
  // this circulant could still end with.
  std::int64_t left = n_ - reached;
  std::int32_t last = level;
  for (std::int32_t j = level + 1; left > 0; ++j) {
    const std::int64_t take = std::min(left, sphere_[static_cast<std::size_t>(std::min(j, n_))]);
    sum += take * j;
    left -= take;
    last = j;
  }
  if (ceiling.order == Order::kDiameterFirst) {
    return last > ceiling.diameter || (last == ceiling.diameter && sum > ceiling.sum);
  }
  return sum > ceiling.sum || (sum == ceiling.sum && last > ceiling.diameter);
}

std::optional<RingDistances> RingSearch::Run(std::span<const std::int32_t> generators,
                                             const Ceiling& ceiling) {
  offsets_.clear();
  for (const std::int32_t g : generators) {
    offsets_.push_back(g);
    if (2 * g != n_) offsets_.push_back(n_ - g);
  }
  const std::size_t words = visited_.size();
  std::fill(visited_.begin(), visited_.end(), 0);
  std::fill(frontier_.begin(), frontier_.end(), 0);
  visited_[0] = frontier_[0] = 1;
  const int used = n_ % kWordBits;
  const Word lastMask = used == 0 ? ~Word{0} : (Word{1} << used) - 1;

  std::int64_t reached = 1;
  std::int64_t sum = 0;
  std::int32_t level = 0;
  while (reached < n_) {
    if (CertainlyWorse(level, reached, sum, ceiling)) return std::nullopt;
    ++level;
    std::fill(next_.begin(), next_.end(), 0);
    for (const std::int32_t offset : offsets_) {
      RotateOr(next_.data(), frontier_.data(), words, offset, n_);
    }
    next_[words - 1] &= lastMask;
    std::int64_t fresh = 0;
    for (std::size_t w = 0; w < words; ++w) {
      next_[w] &= ~visited_[w];
      visited_[w] |= next_[w];
      fresh += std::popcount(next_[w]);
    }
    if (fresh == 0) return std::nullopt;  // another component holds the rest
    reached += fresh;
    sum += fresh * level;
    frontier_.swap(next_);
  }
  const RingDistances result{level, sum};
  if (CertainlyWorse(level, reached, sum, ceiling)) return std::nullopt;
  return result;
}

}  // namespace circscan
