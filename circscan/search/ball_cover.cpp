#include "ball_cover.h"

#include <algorithm>
#include <bit>
#include <cstdint>
#include <vector>

#include "bit_words.h"

namespace circscan {

BallCover::BallCover(std::int32_t n, std::int32_t d, std::int32_t depth)
    : n_(n),
      d_(d),
      words_((static_cast<std::size_t>(n) + 128 + 63) / 64),
      bits_(static_cast<std::size_t>(depth + 1) * static_cast<std::size_t>(d + 1) * words_),
      turns_(static_cast<std::size_t>(d) + 1) {
  // The empty prefix reaches only 0, at every level.
  for (std::int32_t j = 0; j <= d; ++j) {
    Word* level = Level(0, j);
    for (std::size_t x = 0; x < words_ * 64; x += static_cast<std::size_t>(n)) {
      level[x >> 6] |= Word{1} << (x & 63);
    }
  }
}

// OR into `out` the words of `in` read from bit `start` on, the start of
// each word wrapping below n. Between wraps the shift stays the same, so
// the loops run over plain word pairs.
void BallCover::OrTurned(Word* out, const Word* in, std::int32_t start) const {
  std::size_t w = 0;
  std::int32_t p = start;
  while (w < words_) {
    const auto untilWrap = static_cast<std::size_t>((n_ - p + 63) / 64);
    const std::size_t end = std::min(words_, w + untilWrap);
    const Word* from = in + (p >> 6) - w;
    const int shift = p & 63;
    if (shift == 0) {
      for (std::size_t v = w; v < end; ++v) out[v] |= from[v];
    } else {
      for (std::size_t v = w; v < end; ++v) {
        out[v] |= (from[v] >> shift) | (from[v + 1] << (64 - shift));
      }
    }
    p += static_cast<std::int32_t>(64 * (end - w));
    while (p >= n_) p -= n_;
    w = end;
  }
}

void BallCover::Push(std::int32_t i, std::int32_t s) {
  // Within j steps of the longer prefix: within j steps without s, or one
  // step of +-s from within j - 1 steps of the longer prefix.
  std::copy(Level(i, 0), Level(i, 0) + words_, Level(i + 1, 0));
  for (std::int32_t j = 1; j <= d_; ++j) {
    Word* level = Level(i + 1, j);
    std::copy(Level(i, j), Level(i, j) + words_, level);
    const Word* previous = Level(i + 1, j - 1);
    OrTurned(level, previous, n_ - s);  // bit x from bit x - s
    OrTurned(level, previous, s);       // and from bit x + s
  }
}

BallCover::Word BallCover::CoverWord(std::int32_t i, std::int32_t w) const {
  const std::int32_t base = 64 * w;  // below n/2 + 1, so base +- turn stays in -n..2n
  Word covered = ReadBits(Level(i, d_), base);
  for (std::int32_t t = 1; t <= d_ && covered != ~Word{0}; ++t) {
    const Word* level = Level(i, d_ - t);
    const std::int32_t turn = turns_[static_cast<std::size_t>(t)];
    const std::int32_t from = base - turn;
    const std::int32_t to = base + turn;
    covered |=
        ReadBits(level, from < 0 ? from + n_ : from) | ReadBits(level, to >= n_ ? to - n_ : to);
  }
  return covered;
}

bool BallCover::Covers(std::int32_t i, std::int32_t c) {
  std::int32_t turn = 0;
  for (std::int32_t t = 1; t <= d_; ++t) {
    turn += c;
    if (turn >= n_) turn -= n_;
    turns_[static_cast<std::size_t>(t)] = turn;
  }
  const std::int32_t half = n_ / 2;
  const std::int32_t lastWord = half / 64;
  const int lastBits = half % 64 + 1;
  const Word lastMask = lastBits == 64 ? ~Word{0} : (Word{1} << lastBits) - 1;
  if (lastMiss_ > lastWord) lastMiss_ = 0;
  for (std::int32_t step = 0; step <= lastWord; ++step) {
    std::int32_t w = lastMiss_ + step;
    if (w > lastWord) w -= lastWord + 1;
    const Word need = w == lastWord ? lastMask : ~Word{0};
    if ((CoverWord(i, w) & need) != need) {
      lastMiss_ = w;
      return false;
    }
  }
  return true;
}

// Counted once per prefix, so the popcnt instruction pays where the machine
// has it; x86-64's baseline lacks it. Clang 14 (the fuzzing build) emits the
// clones of a member function without their resolver, so it gets one version.
#if defined(__x86_64__) && defined(__GNUC__) && !defined(__clang__)
__attribute__((target_clones("popcnt", "default")))
#endif
std::int32_t
BallCover::Reached(std::int32_t i, std::int32_t j) const {
  const Word* level = Level(i, j);
  const auto full = static_cast<std::size_t>(n_) / 64;
  std::int32_t count = 0;
  for (std::size_t w = 0; w < full; ++w) count += std::popcount(level[w]);
  const int rest = n_ % 64;
  if (rest != 0) count += std::popcount(level[full] & ((Word{1} << rest) - 1));
  return count;
}

}  // namespace circscan
