// The sets of one task of a CandidatePlan in lexicographic order, each tested
// for reaching every vertex within d steps by a BallCover instead of a search.
// Sets holding the unit 1 that are certainly not the smallest member of their
// orbit are passed over: the smallest member comes earlier in the order and
// has the same ball.
#pragma once

#include <atomic>
#include <cstdint>
#include <optional>
#include <vector>

#include "ball_cover.h"
#include "candidates.h"
#include "query.h"

namespace circscan {

class CoverWalk {
 public:
  // `inverses` is FoldedInverses(plan.n()) and `quotients`
  // FoldedQuotients(plan.n(), inverses); `firstHit` the earliest task known
  // to hold a set within d, after which a walk has nothing to add.
  CoverWalk(const CandidatePlan& plan, std::int32_t d, const std::vector<std::int32_t>& inverses,
            const std::vector<std::uint16_t>& quotients, const RunHooks& hooks,
            const std::atomic<std::size_t>& firstHit);

  struct Result {
    bool cut = false;  // a stop ended the walk before it was complete
    std::optional<std::vector<std::int32_t>> set;
  };
  Result Run(std::size_t task);

 private:
  bool Descend(std::int32_t position, std::size_t from);
  bool LastGenerator(std::size_t from);
  bool MayBeSmallest(std::int32_t position, std::int32_t x) const;
  bool LastMayBeSmallest(std::int32_t c);
  bool Interrupted();

  const CandidatePlan& plan_;
  const std::vector<std::int32_t>& inverses_;
  const std::vector<std::uint16_t>& quotients_;
  const RunHooks& hooks_;
  const std::atomic<std::size_t>& firstHit_;
  BallCover cover_;
  std::int32_t k_;
  std::size_t task_ = 0;
  std::span<const std::int32_t> later_;
  std::vector<std::int32_t> set_;
  std::vector<std::int64_t> turned_;  // inverse of set_[j] times the last generator, mod n
  bool units_ = false;                // the set starts with 1, so orbit pruning applies
  bool found_ = false;
  bool cut_ = false;
  std::uint64_t unreported_ = 0;
};

}  // namespace circscan
