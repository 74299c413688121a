// Whether a set of generators reaches every vertex within d steps, without a
// search per set. The ball of radius d of a prefix s1 < ... < si is kept level
// by level (the residues within j steps of 0, j = 0..d); adding a generator c
// gives the next prefix's levels with two turns per level, and the ball of
// the prefix plus a last generator c is the union over t = -d..d of level
// d - |t| turned by t * c. The ball is symmetric, so residues 0..n/2 decide.
#pragma once

#include <cstdint>
#include <vector>

namespace circscan {

class BallCover {
 public:
  // For prefixes of up to `depth` generators on a ring of n, radius d >= 0.
  BallCover(std::int32_t n, std::int32_t d, std::int32_t depth);

  // The levels of prefix i + 1: those of prefix i (the empty prefix for i = 0)
  // with the generator s added, 1 <= s < n.
  void Push(std::int32_t i, std::int32_t s);

  // True when prefix i with c added reaches every residue within d steps.
  bool Covers(std::int32_t i, std::int32_t c);

  // How many residues prefix i reaches within j <= d steps.
  std::int32_t Reached(std::int32_t i, std::int32_t j) const;

  // Those residues as bits: residue x at every bit x + m n below n + 128.
  const std::uint64_t* LevelBits(std::int32_t i, std::int32_t j) const { return Level(i, j); }

  std::int32_t n() const { return n_; }
  std::int32_t radius() const { return d_; }

 private:
  using Word = std::uint64_t;
  std::size_t Offset(std::int32_t i, std::int32_t j) const {
    return (static_cast<std::size_t>(i) * static_cast<std::size_t>(d_ + 1) +
            static_cast<std::size_t>(j)) *
           words_;
  }
  Word* Level(std::int32_t i, std::int32_t j) { return &bits_[Offset(i, j)]; }
  const Word* Level(std::int32_t i, std::int32_t j) const { return &bits_[Offset(i, j)]; }
  Word CoverWord(std::int32_t i, std::int32_t w) const;
  void OrTurned(Word* out, const Word* in, std::int32_t start) const;

  std::int32_t n_;
  std::int32_t d_;
  // Each level holds residue x at every bit x + m n below words_ * 64, so a
  // turn is a read of 64 bits from any place below n.
  std::size_t words_;
  std::vector<Word> bits_;
  std::vector<std::int32_t> turns_;  // t * c mod n for t = 0..d, of the c under test
  std::int32_t lastMiss_ = 0;        // the word that failed last: it likely fails again
};

}  // namespace circscan
