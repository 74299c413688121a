#include "block_cover.h"

#include <algorithm>
#include <bit>
#include <cstdint>
#include <vector>

#include "bit_words.h"
#include "number_theory.h"

namespace circscan {
namespace {

using Word = std::uint64_t;

// Calls f(x) for each bit x below `end` that is set.
template <typename F>
void ForEachBit(const Word* bits, std::int32_t end, F f) {
  for (std::int32_t w = 0; 64 * w < end; ++w) {
    Word word = bits[w];
    while (word != 0) {
      const std::int32_t x = 64 * w + std::countr_zero(word);
      if (x >= end) return;
      f(x);
      word &= word - 1;
    }
  }
}

inline bool Has(const Word* bits, std::int32_t x) { return ((bits[x >> 6] >> (x & 63)) & 1) != 0; }

// Entries of the place and first-bit tables above which the decimation is not worth its
// memory: N up to several thousand at the diameters `largest` reaches.
constexpr std::size_t kMaxPlaces = std::size_t{1} << 22;

}  // namespace

// Below 128 a ring has too few last generators for blocks to pay, and the
// repeat of bits 0..63 after bit n would need more than one copy.
bool BlockLayout::Fits(std::int32_t n, std::int32_t d) {
  return n >= 128 && d >= 1 &&
         (static_cast<std::size_t>(n) + 1) * static_cast<std::size_t>(d) * 2 <= kMaxPlaces;
}

BlockLayout::BlockLayout(std::int32_t n, std::int32_t d)
    : n_(n), d_(d), words_((static_cast<std::size_t>(n) + 64) / 64 + 1) {
  std::uint32_t& arrays = arrays_;
  for (std::int32_t t = 1; t <= d; ++t) {
    arrayOf_.push_back(arrays);
    const auto g = static_cast<std::int32_t>(Gcd(t, n));
    gcd_.push_back(g);
    arrays += static_cast<std::uint32_t>(g);
    stepInverse_.push_back(n / g == 1 ? 0 : InverseMod(t / g, n / g));
  }
  // The first i of each residue y in each step's arrays.
  firstBit_.resize(static_cast<std::size_t>(d) * static_cast<std::size_t>(n));
  for (std::int32_t t = 1; t <= d; ++t) {
    const std::int32_t g = gcd_[static_cast<std::size_t>(t - 1)];
    const std::int64_t inverse = stepInverse_[static_cast<std::size_t>(t - 1)];
    for (std::int32_t y = 0; y < n; ++y) {
      firstBit_[static_cast<std::size_t>(t - 1) * static_cast<std::size_t>(n) +
                static_cast<std::size_t>(y)] =
          static_cast<std::int32_t>(inverse * (y / g) % (n / g));
    }
  }
  const std::int32_t half = n / 2;
  places_.resize((static_cast<std::size_t>(half) + 1) * static_cast<std::size_t>(d) * 2);
  for (std::int32_t x = 0; x <= half; ++x) {
    for (std::int32_t t = 1; t <= d; ++t) {
      const std::size_t at = (static_cast<std::size_t>(x) * static_cast<std::size_t>(d) +
                              static_cast<std::size_t>(t - 1)) *
                             2;
      places_[at] = PlaceOf(t, (n - x) % n);  // x - t c: t c - x by symmetry
      places_[at + 1] = PlaceOf(t, x);        // x + t c
    }
  }
}

// t c + a is t (c + shift) + r with r = a mod g and t shift = a - r: with
// t = g t' and n = g n', shift = t'^-1 (a - r) / g modulo n'.
BlockLayout::Place BlockLayout::PlaceOf(std::int32_t t, std::int32_t a) const {
  const std::int32_t g = gcd_[static_cast<std::size_t>(t - 1)];
  const std::int64_t inverse = stepInverse_[static_cast<std::size_t>(t - 1)];
  const std::int64_t shift = inverse * (a / g) % (n_ / g);
  return {arrayOf_[static_cast<std::size_t>(t - 1)] + static_cast<std::uint32_t>(a % g),
          static_cast<std::uint32_t>(shift)};
}

BlockCover::BlockCover(const BlockLayout& layout)
    : layout_(layout),
      n_(layout.n_),
      d_(layout.d_),
      words_(layout.words_),
      decimated_(layout.arrays_ * layout.words_) {}

// Bit i of array (t, r), r < g = gcd(t, n), is residue t i + r of `level`,
// for i up to n + 63 (period n, since t n = 0). The residues t i + r with
// r >= g are those of array (t, r mod g) turned, as PlaceOf finds. A
// residue y is t i + r only for r = y mod g, and then for g values of i,
// n / g apart.
void BlockCover::Decimate(const Word* level, std::int32_t t) {
  const auto step = static_cast<std::size_t>(t - 1);
  const std::int32_t g = layout_.gcd_[step];
  const std::int32_t reduced = n_ / g;
  const std::int32_t* firstBit = &layout_.firstBit_[step * static_cast<std::size_t>(n_)];
  Word* first = &decimated_[layout_.arrayOf_[step] * words_];
  std::fill(first, first + static_cast<std::size_t>(g) * words_, 0);
  ForEachBit(level, n_, [&](std::int32_t y) {
    const std::int32_t r = y % g;
    Word* array = first + static_cast<std::size_t>(r) * words_;
    for (std::int32_t i = firstBit[y]; i < n_; i += reduced) {
      array[i >> 6] |= Word{1} << (i & 63);
    }
  });
  for (std::int32_t r = 0; r < g; ++r) Repeat(first + static_cast<std::size_t>(r) * words_);
}

// Bits n .. n + 63 as bits 0 .. 63, which are the same residues.
void BlockCover::Repeat(Word* bits) const {
  const Word head = bits[0];
  const auto word = static_cast<std::size_t>(n_) >> 6;
  const int shift = n_ & 63;
  bits[word] |= head << shift;
  if (shift != 0) bits[word + 1] |= head >> (64 - shift);
}

void BlockCover::Load(const BallCover& cover, std::int32_t i) {
  const Word* nearest = cover.LevelBits(i, d_ - 1);
  std::copy(nearest, nearest + words_, decimated_.begin());
  for (std::int32_t t = 2; t <= d_; ++t) Decimate(cover.LevelBits(i, d_ - t), t);
  top_ = cover.LevelBits(i, d_);
}

// The generators among `wanted` with which x is reached (all of `wanted`
// may come back before every step is read).
BlockCover::Word BlockCover::Reach(std::int32_t x, std::int32_t c0, Word wanted) const {
  const BlockLayout::Place* place =
      &layout_.places_[static_cast<std::size_t>(x) * static_cast<std::size_t>(d_) * 2];
  Word reached = 0;
  for (std::int32_t t = 0; t < d_; ++t, place += 2) {
    for (int side = 0; side < 2; ++side) {
      std::int32_t at = c0 + static_cast<std::int32_t>(place[side].shift);
      if (at >= n_) at -= n_;
      reached |= ReadBits(&decimated_[place[side].array * words_], at);
    }
    if ((wanted & ~reached) == 0) return wanted;
  }
  return reached & wanted;
}

// One word test per generator beats residues that each remove a share of
// the generators once at most `few` are left.
BlockCover::Word BlockCover::Covering(std::int32_t c0, Word candidates, int few) {
  Word survivors = candidates;
  const auto settled = [&] {
    Word left = survivors;
    for (int i = 0; i < few && left != 0; ++i) left &= left - 1;
    return left == 0;  // at most `few` left
  };
  if (settled()) return survivors;
  for (const std::int32_t x : killers_) {
    if (Has(top_, x)) continue;
    survivors = Reach(x, c0, survivors);
    if (settled()) return survivors;
  }
  // The residues 0..n/2 outside level d, word by word.
  const std::int32_t half = n_ / 2;
  for (std::int32_t w = 0; w <= half / 64; ++w) {
    for (Word missing = ~top_[w]; missing != 0; missing &= missing - 1) {
      const std::int32_t x = 64 * w + std::countr_zero(missing);
      if (x > half) break;
      const Word before = survivors;
      survivors = Reach(x, c0, survivors);
      if (survivors != before && x != killers_[0]) {
        std::rotate(killers_.begin(), killers_.end() - 1, killers_.end());
        killers_[0] = x;
      }
      if (settled()) return survivors;
    }
  }
  return survivors;
}

}  // namespace circscan
