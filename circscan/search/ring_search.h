// Distances from vertex 0 of one circulant at a time, as bit sets turned
// along the ring, abandoning a circulant as soon as a lower bound on its
// result is already worse than the best one known. Every vertex of a
// circulant sees the same distances, so vertex 0 tells the whole story.
#pragma once

#include <cstdint>
#include <optional>
#include <span>
#include <vector>

namespace circscan {

// D and the sum of the distances from vertex 0 (AveD is sum / (n - 1)).
struct RingDistances {
  std::int32_t diameter = 0;
  std::int64_t sum = 0;
  friend bool operator==(const RingDistances&, const RingDistances&) = default;
};

enum class Order {
  kDiameterFirst,  // smallest D, then smallest sum
  kSumFirst,       // smallest sum, then smallest D
};

// The worst result a search may still return: a circulant whose result is
// certainly worse in the given order is abandoned. Equal results are kept.
struct Ceiling {
  Order order = Order::kDiameterFirst;
  std::int32_t diameter = INT32_MAX;
  std::int64_t sum = INT64_MAX;
};

// One search buffer for circulants on n vertices with k generators; a thread
// keeps one and reuses it, so memory stays proportional to n.
class RingSearch {
 public:
  RingSearch(std::int32_t n, std::int32_t k);

  // Generators are distinct, in 1..n/2. Empty when the circulant is not
  // connected or its result is certainly worse than the ceiling.
  std::optional<RingDistances> Run(std::span<const std::int32_t> generators,
                                   const Ceiling& ceiling);

  std::int32_t n() const { return n_; }

 private:
  bool CertainlyWorse(std::int32_t level, std::int64_t reached, std::int64_t sum,
                      const Ceiling& ceiling) const;
  void SpreadDense();
  void SpreadSparse();
  std::int64_t KeepFresh();

  std::int32_t n_;
  std::size_t words_;
  // Two spare words past the ring take the bits a sparse turn pushes beyond n.
  std::vector<std::uint64_t> visited_;
  std::vector<std::uint64_t> frontier_;
  std::vector<std::uint64_t> next_;
  // The words of frontier_ that hold a vertex, and those next_ may hold one
  // in; a level far from its neighbours (one generator, or many generators
  // from vertex 0) then costs its own size, not the ring's.
  std::vector<std::size_t> frontierWords_;
  std::vector<std::size_t> touched_;
  std::vector<std::size_t> nextWords_;
  std::vector<std::uint64_t> stamp_;
  std::uint64_t round_ = 0;
  std::vector<std::int32_t> offsets_;
  // ball_[j], weighted_[j]: at most this many vertices lie within j steps of
  // vertex 0, and the sum of their distances if the lattice were filled (the
  // points of the k-dimensional integer lattice at taxicab distance <= j,
  // each level capped at n).
  std::vector<std::int64_t> ball_;
  std::vector<std::int64_t> weighted_;
  mutable std::int32_t lastFilled_ = 0;
};

}  // namespace circscan
