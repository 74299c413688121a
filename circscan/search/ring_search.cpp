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

// The 64 bits starting at bit p.
Word Read(const std::vector<Word>& bits, std::int64_t p) {
  const auto word = static_cast<std::size_t>(p / kWordBits);
  const int shift = static_cast<int>(p % kWordBits);
  if (shift == 0) return bits[word];
  return (bits[word] >> shift) | (bits[word + 1] << (kWordBits - shift));
}

}  // namespace

RingSearch::RingSearch(std::int32_t n, std::int32_t k)
    : n_(n),
      words_((static_cast<std::size_t>(n) + kWordBits - 1) / kWordBits),
      visited_(words_ + 2),
      frontier_(words_ + 2),
      next_(words_ + 2),
      stamp_(words_ + 2),
      ball_(static_cast<std::size_t>(n) + 1),
      weighted_(static_cast<std::size_t>(n) + 1) {
  for (std::int64_t j = 1; j <= n; ++j) {
    std::int64_t count = 0;
    for (std::int64_t i = 1; i <= std::min<std::int64_t>(k, j) && count < n; ++i) {
      const std::int64_t ways = Binomial(k, i, n) * Binomial(j - 1, i - 1, n);
      count = std::min<std::int64_t>(
          n, count + std::min<std::int64_t>(n, ways << std::min<std::int64_t>(i, 31)));
    }
    // At most n^3 / 2 < 2^63 for the weighted sum below kMaxVertexCount.
    const auto at = static_cast<std::size_t>(j);
    ball_[at] = ball_[at - 1] + count;
    weighted_[at] = weighted_[at - 1] + count * j;
  }
}

bool RingSearch::CertainlyWorse(std::int32_t level, std::int64_t reached, std::int64_t sum,
                                const Ceiling& ceiling) const {
  // Fill the vertices still unreached into the following levels as densely
  // as the lattice allows: that gives the smallest D and the smallest sum
  // this circulant could still end with. Every level holds at least two
  // lattice points and every earlier level one vertex, so the filling ends
  // within the table.
  if (ceiling.diameter == INT32_MAX && ceiling.sum == INT64_MAX) return false;
  const std::int64_t left = n_ - reached;
  std::int32_t last = level;
  if (left > 0) {
    const auto from = static_cast<std::size_t>(level);
    const std::int64_t target = ball_[from] + left;
    // The last level filled moves little from one level to the next (with
    // one generator not at all), so the previous answer is tried first.
    const auto guess = static_cast<std::size_t>(lastFilled_);
    if (guess > from && guess < ball_.size() && ball_[guess - 1] < target &&
        ball_[guess] >= target) {
      last = lastFilled_;
    } else {
      const auto it = std::lower_bound(ball_.begin() + static_cast<std::ptrdiff_t>(from) + 1,
                                       ball_.end(), target);
      last = static_cast<std::int32_t>(it - ball_.begin());
      lastFilled_ = last;
    }
    const auto full = static_cast<std::size_t>(last - 1);
    sum += weighted_[full] - weighted_[from] + (target - ball_[full]) * last;
  }
  if (ceiling.order == Order::kDiameterFirst) {
    return last > ceiling.diameter || (last == ceiling.diameter && sum > ceiling.sum);
  }
  return sum > ceiling.sum || (sum == ceiling.sum && last > ceiling.diameter);
}

void RingSearch::SpreadDense() {
  for (const std::int32_t offset : offsets_) {
    RotateOr(next_.data(), frontier_.data(), words_, offset, n_);
  }
  const int used = n_ % kWordBits;
  if (used != 0) next_[words_ - 1] &= (Word{1} << used) - 1;
  touched_.resize(words_);
  for (std::size_t w = 0; w < words_; ++w) touched_[w] = w;
}

void RingSearch::SpreadSparse() {
  ++round_;
  touched_.clear();
  const auto touch = [&](std::size_t w) {
    if (w < words_ && stamp_[w] != round_) {
      stamp_[w] = round_;
      touched_.push_back(w);
    }
  };
  for (const std::size_t w : frontierWords_) {
    const Word word = frontier_[w];
    const auto base = static_cast<std::int64_t>(w) * kWordBits;
    for (const std::int32_t offset : offsets_) {
      std::int64_t p = base + offset;
      if (p >= n_) p -= n_;
      const auto at = static_cast<std::size_t>(p / kWordBits);
      const int shift = static_cast<int>(p % kWordBits);
      next_[at] |= word << shift;
      touch(at);
      if (shift != 0) {
        next_[at + 1] |= word >> (kWordBits - shift);
        touch(at + 1);
      }
    }
  }
  // Bits pushed to n and beyond (fewer than 64, and n > 64 here) belong at
  // the start of the ring.
  const Word over = Read(next_, n_);
  const auto partial = static_cast<std::size_t>(n_ / kWordBits);
  const int used = n_ % kWordBits;
  next_[partial] &= used == 0 ? 0 : (Word{1} << used) - 1;
  for (std::size_t w = partial + 1; w < next_.size(); ++w) next_[w] = 0;
  if (over != 0) {
    next_[0] |= over;
    touch(0);
  }
}

std::int64_t RingSearch::KeepFresh() {
  nextWords_.clear();
  std::int64_t fresh = 0;
  for (const std::size_t w : touched_) {
    const Word word = next_[w] & ~visited_[w];
    visited_[w] |= word;
    next_[w] = word;
    fresh += std::popcount(word);
    if (word != 0) nextWords_.push_back(w);
  }
  return fresh;
}

std::optional<RingDistances> RingSearch::Run(std::span<const std::int32_t> generators,
                                             const Ceiling& ceiling) {
  offsets_.clear();
  for (const std::int32_t g : generators) {
    offsets_.push_back(g);
    if (2 * g != n_) offsets_.push_back(n_ - g);
  }
  std::fill(visited_.begin(), visited_.end(), 0);
  std::fill(frontier_.begin(), frontier_.end(), 0);
  std::fill(next_.begin(), next_.end(), 0);
  visited_[0] = frontier_[0] = 1;
  frontierWords_.assign(1, 0);

  std::int64_t reached = 1;
  std::int64_t sum = 0;
  std::int32_t level = 0;
  while (reached < n_) {
    if (CertainlyWorse(level, reached, sum, ceiling)) return std::nullopt;
    ++level;
    // A turn of a few words beats a turn of the whole ring.
    if (words_ >= 4 && frontierWords_.size() * 4 < words_) {
      SpreadSparse();
    } else {
      SpreadDense();
    }
    const std::int64_t fresh = KeepFresh();
    if (fresh == 0) return std::nullopt;  // another component holds the rest
    reached += fresh;
    sum += fresh * level;
    // next_ holds only the new frontier now; the old one is cleared word by
    // word, so that every level starts from an empty next_.
    for (const std::size_t w : frontierWords_) frontier_[w] = 0;
    frontier_.swap(next_);
    frontierWords_.swap(nextWords_);
  }
  const RingDistances result{level, sum};
  if (CertainlyWorse(level, reached, sum, ceiling)) return std::nullopt;
  return result;
}

}  // namespace circscan
