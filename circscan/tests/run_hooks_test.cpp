// What a caller sees of a search through its hooks: every finished unit
// reported once, units known from an earlier run left alone, and a stop that
// reports nothing it did not finish.
#include <gtest/gtest.h>

#include <atomic>
#include <cstdint>
#include <map>
#include <optional>
#include <set>
#include <vector>

#include "search.h"

namespace circscan {
namespace {

TEST(RunHooks, BestReportsEachFinishedNOnceWithItsRow) {
  const BestQuery query{5, 40, 2, By::kDiameter, {}};
  std::map<std::int32_t, std::optional<BestRow>> reported;
  RunHooks hooks;
  hooks.bestDone = [&](std::int32_t n, const std::optional<BestRow>& row) {
    EXPECT_TRUE(reported.emplace(n, row).second) << "n=" << n << " twice";
  };
  const auto rows = FindBest(query, hooks);
  ASSERT_EQ(reported.size(), rows.size());
  for (const BestRow& row : rows) EXPECT_EQ(reported[row.n], row);
}

TEST(RunHooks, BestResumedFromKnownRowsSearchesOnlyTheRest) {
  const BestQuery query{5, 60, 3, By::kAverage, {}};
  const auto whole = FindBest(query);
  std::set<std::int32_t> searched;
  RunHooks hooks;
  hooks.bestKnown = [](std::int32_t n) { return n % 3 == 0; };
  hooks.bestDone = [&](std::int32_t n, const std::optional<BestRow>&) { searched.insert(n); };
  const auto rest = FindBest(query, hooks);
  std::vector<BestRow> expected;
  for (const BestRow& row : whole) {
    if (row.n % 3 != 0) expected.push_back(row);
  }
  EXPECT_EQ(rest, expected);
  for (const std::int32_t n : searched) EXPECT_NE(n % 3, 0);
}

TEST(RunHooks, LargestReportsEveryEmptyNDownToTheAnswer) {
  const LargestQuery query{2, 3, 4, {}};
  std::map<std::int32_t, std::vector<std::int32_t>> emptyByDiameter;
  RunHooks hooks;
  hooks.largestDone = [&](std::int32_t d, std::int32_t n,
                          const std::optional<std::vector<std::int32_t>>& set) {
    if (!set) emptyByDiameter[d].push_back(n);
  };
  const auto rows = FindLargest(query, hooks);
  ASSERT_EQ(rows.size(), 2u);
  for (const LargestRow& row : rows) {
    const auto bound = *LargestBound(2, row.diameter);
    std::vector<std::int32_t> expected;
    for (std::int32_t n = bound; n > row.n; --n) expected.push_back(n);
    EXPECT_EQ(emptyByDiameter[row.diameter], expected) << "d=" << row.diameter;
  }
}

TEST(RunHooks, LargestSkipsNKnownToBeEmpty) {
  const auto whole = FindLargest({3, 4, 4, {}});
  RunHooks hooks;
  std::vector<std::int32_t> searched;
  hooks.largestKnownEmpty = [&](std::int32_t, std::int32_t n) { return n > whole[0].n; };
  hooks.largestDone = [&](std::int32_t, std::int32_t n, const auto&) { searched.push_back(n); };
  EXPECT_EQ(FindLargest({3, 4, 4, {}}, hooks), whole);
  EXPECT_EQ(searched, std::vector<std::int32_t>{whole[0].n});
}

TEST(RunHooks, AStopReportsNothingUnfinished) {
  const std::atomic<bool> stop{true};
  RunHooks hooks;
  hooks.stop = &stop;
  int reports = 0;
  hooks.bestDone = [&](std::int32_t, const auto&) { ++reports; };
  hooks.largestDone = [&](std::int32_t, std::int32_t, const auto&) { ++reports; };
  EXPECT_TRUE(FindBest({5, 200, 2, By::kDiameter, {}}, hooks).empty());
  EXPECT_TRUE(FindLargest({3, 2, 5, {}}, hooks).empty());
  EXPECT_EQ(reports, 0);
}

}  // namespace
}  // namespace circscan
