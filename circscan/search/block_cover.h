// The last generator tested 64 at a time. For a residue x and the last
// generators c0..c0+63, whether the prefix plus c reaches x is one word: x
// is reached with t steps of +-c when x -+ t c lies in the prefix's level
// d - t, and as c runs through consecutive integers, t c + a (a = -x or x;
// the level is symmetric) runs through every t-th residue. So each level
// d - t is kept decimated once per prefix: for each remainder r < t, the bit
// of residue t i + r at bit i (one array per t when t is a unit: the others
// are turns of it). A residue then costs 2d reads for 64
// generators, and a block ends as soon as the residues tested leave none of
// its generators, usually after a few, starting with those that ended the
// blocks before.
#pragma once

#include <array>
#include <cstdint>
#include <vector>

#include "ball_cover.h"

namespace circscan {

// What BlockCover needs of n and d alone, built once per N and shared by
// the threads' walks: where each residue's 2d reads fall.
class BlockLayout {
 public:
  // For a ring of n and radius d >= 1; check Fits() before use.
  BlockLayout(std::int32_t n, std::int32_t d);

  // Whether the tables for n and d stay small (a few megabytes at most).
  static bool Fits(std::int32_t n, std::int32_t d);

 private:
  friend class BlockCover;
  // Where x -+ t c is read: decimated array and the shift of c within it.
  struct Place {
    std::uint32_t array;
    std::uint32_t shift;
  };
  Place PlaceOf(std::int32_t t, std::int32_t a) const;

  std::int32_t n_;
  std::int32_t d_;
  std::size_t words_;  // per decimated array: bits up to n + 64
  std::uint32_t arrays_ = 0;
  std::vector<std::uint32_t> arrayOf_;     // first array of step t, t = 1..d
  std::vector<std::int32_t> gcd_;          // gcd(t, n), t = 1..d
  std::vector<std::int64_t> stepInverse_;  // (t/g)^-1 mod n/g, g = gcd(t, n)
  std::vector<Place> places_;              // (x * d + t - 1) * 2 + side, x = 0..n/2
  std::vector<std::int32_t> firstBit_;     // (t - 1) * n + y: t i + y mod g = y, i < n / g
};

class BlockCover {
 public:
  explicit BlockCover(const BlockLayout& layout);

  // Takes prefix i of `cover` as the prefix of every later block.
  void Load(const BallCover& cover, std::int32_t i);

  // Of the generators c0 + b for the bits b of `candidates` (c0 a multiple
  // of 64, c0 + b <= n/2), those with which the prefix covers the ring;
  // with `few` > 0 possibly some more, but then at most `few`, for a word
  // test each.
  std::uint64_t Covering(std::int32_t c0, std::uint64_t candidates, int few = 0);

 private:
  using Word = std::uint64_t;
  Word Reach(std::int32_t x, std::int32_t c0, Word wanted) const;
  void Decimate(const Word* level, std::int32_t t);
  void Repeat(Word* bits) const;

  const BlockLayout& layout_;
  std::int32_t n_;
  std::int32_t d_;
  std::size_t words_;
  std::vector<Word> decimated_;
  const Word* top_ = nullptr;  // the prefix's level d
  std::array<std::int32_t, 4> killers_{};
};

}  // namespace circscan
