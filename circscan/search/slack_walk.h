// The sets of one task of a CandidatePlan in lexicographic order, as
// CoverWalk walks them, with two savings that leave the first covering set
// unchanged: a prefix whose ball already wastes more of the lattice bound on
// collisions than the ring can spare is dropped with all its completions,
// and the unit-class pruning of sets holding 1 reads a mask built once per
// prefix instead of testing each later generator.
#pragma once

#include <atomic>
#include <cstdint>
#include <optional>
#include <span>
#include <vector>

#include "ball_cover.h"
#include "block_cover.h"
#include "candidates.h"
#include "query.h"
#include "unit_class_mask.h"

namespace circscan {

class SlackWalk {
 public:
  // `inverses` is FoldedInverses(plan.n()); `layout` the plan's BlockLayout
  // for d, or null to test last generators one by one; `firstHit` the
  // earliest task known to hold a set within d, after which a walk has
  // nothing to add.
  SlackWalk(const CandidatePlan& plan, std::int32_t d, const std::vector<std::int32_t>& inverses,
            const BlockLayout* layout, const RunHooks& hooks,
            const std::atomic<std::size_t>& firstHit);

  struct Result {
    bool cut = false;  // a stop ended the walk before it was complete
    std::optional<std::vector<std::int32_t>> set;
  };
  Result Run(std::size_t task);

 private:
  bool Descend(std::int32_t position, std::size_t from);
  bool LastGenerator(std::size_t from);
  bool LastInBlocks(std::size_t from);
  bool MayBeSmallest(std::int32_t position, std::int32_t x) const;
  bool Completable(std::int32_t length) const;
  bool Interrupted();

  const CandidatePlan& plan_;
  const std::vector<std::int32_t>& inverses_;
  const RunHooks& hooks_;
  const std::atomic<std::size_t>& firstHit_;
  BallCover cover_;
  UnitClassMask mask_;
  std::optional<BlockCover> blocks_;      // for k >= 3 where its tables fit
  std::vector<std::uint64_t> laterBits_;  // the task's later generators over 0..n/2
  std::int32_t k_;
  std::int32_t d_;
  // Lattice points of norm exactly j in m dimensions, at m * (d + 1) + j.
  std::vector<std::int64_t> spheres_;
  std::size_t task_ = 0;
  std::span<const std::int32_t> later_;
  std::vector<std::int32_t> set_;
  bool units_ = false;  // the set starts with 1, so unit-class pruning applies
  bool found_ = false;
  bool cut_ = false;
  std::uint64_t unreported_ = 0;
};

}  // namespace circscan
