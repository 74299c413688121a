// Whether a set can still reach a given sum of distances, without a search
// per set. The distances of the prefix s1 < ... < si are kept as bytes, capped
// a few steps past the lattice radius (the first radius whose lattice ball
// holds n points); the prefix plus a last generator c then reaches x in
// min over t of |t| + (the prefix's distance to x - t c) steps. Below the
// lattice radius no set misses fewer residues than the lattice does, so the
// sum is at least the lattice's floor plus, for every residue, its distance
// beyond that radius: counting that excess over part of the ring already
// tells most sets apart from the best one.
#pragma once

#include <cstdint>
#include <span>
#include <vector>

namespace circscan {

class SumBound {
 public:
  // For sets of k generators on a ring of n; k >= 2.
  SumBound(std::int32_t n, std::int32_t k);

  // False when the set's sum of distances from vertex 0 is certainly above
  // `sum`. The set is sorted, distinct, in 1..n/2, with k generators.
  bool MayReach(std::int64_t sum, std::span<const std::int32_t> set);

  // False where the distances would take too much memory, or more steps
  // than a byte holds; MayReach is then always true.
  bool enabled() const { return cap_ != 0; }
  std::int32_t n() const { return n_; }

  // The least sum the k-dimensional lattice allows on n points, and the
  // radius from which its ball holds all of them.
  std::int64_t floor() const { return floor_; }
  std::int32_t radius() const { return radius_; }

 private:
  // A vector reads this many residues from any place below 2n.
  static constexpr std::size_t kRepeated = 32;

  void Turn(std::int32_t s);
  void PushFirst(std::int32_t s);
  void Push(std::size_t i, std::int32_t s);
  void Repeat(std::uint8_t* level) const;

  std::int32_t n_;
  std::int32_t radius_ = 0;
  std::int64_t floor_ = 0;
  std::int32_t cap_ = 0;              // distances at or beyond it are stored as it; 0: no bound
  bool wide_ = false;                 // the processor has AVX2
  std::size_t stride_;                // 2n plus the repeated start
  std::vector<std::uint8_t> levels_;  // prefix distances, one row per depth
  std::vector<std::int32_t> prefix_;
  std::vector<std::int32_t> down_;  // n - t * s mod n for t = 0..cap - 1 (0 for 0)
  std::vector<std::int32_t> up_;    // t * s mod n
};

}  // namespace circscan
