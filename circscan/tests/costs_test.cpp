// Questions whose answer is one class of sets, and searches inside one huge
// N: they give the right rows, and a stop ends them without a report. (What
// they cost is measured by circscan_bench, not here.)
#include <gtest/gtest.h>

#include <atomic>
#include <chrono>
#include <cstdint>
#include <numeric>
#include <random>
#include <thread>
#include <vector>

#include "brute_force.h"
#include "number_theory.h"
#include "ring_search.h"
#include "search.h"

namespace circscan {
namespace {

using List = std::vector<std::int32_t>;

TEST(OneClass, HalfOfNGeneratorsIsTheWholeRing) {
  for (const std::int32_t n : {2000, 2001, 4096}) {
    const auto rows = FindBest({n, n, n / 2, By::kDiameter, {}});
    ASSERT_EQ(rows.size(), 1u);
    List all(static_cast<std::size_t>(n / 2));
    std::iota(all.begin(), all.end(), 1);
    EXPECT_EQ(rows[0].generators, all);
    EXPECT_EQ(rows[0].diameter, 1);
    EXPECT_EQ(rows[0].sum, n - 1);
    EXPECT_EQ(rows[0].optimalSets, 1u);
  }
}

// One generator: every unit is a multiple of 1, so all of them tie.
TEST(OneClass, OneGeneratorOfALargeRing) {
  const std::int32_t n = 200000;
  for (const By by : {By::kDiameter, By::kAverage}) {
    const auto rows = FindBest({n, n, 1, by, {}});
    ASSERT_EQ(rows.size(), 1u);
    EXPECT_EQ(rows[0].generators, List{1});
    EXPECT_EQ(rows[0].diameter, n / 2);
    EXPECT_EQ(rows[0].sum, std::int64_t{n / 2} * (n / 2));
    EXPECT_EQ(rows[0].optimalSets, static_cast<std::uint64_t>(Totient(n) / 2));
  }
}

// Large rings take the sparse turns (few words of the level hold a vertex)
// and the dense ones; both must agree with the queue search.
TEST(OneClass, SearchesOfLargeRingsMatchAQueueSearch) {
  std::mt19937 random(11);
  for (int round = 0; round < 300; ++round) {
    const auto n = static_cast<std::int32_t>(random() % 5000 + 190);
    const auto k = static_cast<std::int32_t>(random() % 3 + 1);
    List set;
    set.push_back(static_cast<std::int32_t>(random() % 4 + 1));
    while (static_cast<std::int32_t>(set.size()) < k) {
      const auto g = static_cast<std::int32_t>(random() % static_cast<unsigned>(n / 2) + 1);
      if (std::find(set.begin(), set.end(), g) == set.end()) set.push_back(g);
    }
    std::sort(set.begin(), set.end());
    RingSearch search(n, k);
    const auto fast = search.Run(set, {});
    const auto plain = testing::PlainSearch(n, set);
    ASSERT_EQ(fast.has_value(), plain.has_value()) << n;
    if (!fast) continue;
    EXPECT_EQ(fast->diameter, plain->diameter) << n;
    EXPECT_EQ(fast->sum, plain->sum) << n;
  }
}

TEST(Progress, AFinishedSearchHasDoneAllItsWeighedWork) {
  Progress progress;
  FindBest({5, 300, 3, By::kDiameter, {}}, {.progress = &progress});
  EXPECT_GT(progress.total.load(), 0u);
  EXPECT_EQ(progress.done.load(), progress.total.load());
  EXPECT_EQ(progress.work.load(), progress.workTotal.load());
}

// Each search below would run for minutes; the stop arrives inside its
// first N, and the search must return with nothing reported.
TEST(Stop, EndsASearchInsideOneHugeN) {
  const auto stopSoon = [](std::atomic<bool>& stop) {
    return std::thread([&stop] {
      std::this_thread::sleep_for(std::chrono::milliseconds(200));
      stop = true;
    });
  };
  int reports = 0;
  {
    std::atomic<bool> stop{false};
    RunHooks hooks{.stop = &stop};
    hooks.largestDone = [&](std::int32_t, std::int32_t, const auto&) { ++reports; };
    std::thread stopper = stopSoon(stop);
    EXPECT_TRUE(FindLargest({5, 5, 5, {}}, hooks).empty());
    stopper.join();
  }
  {
    std::atomic<bool> stop{false};
    RunHooks hooks{.stop = &stop};
    hooks.bestDone = [&](std::int32_t, const auto&) { ++reports; };
    std::thread stopper = stopSoon(stop);
    EXPECT_TRUE(FindBest({60000, 60000, 3, By::kAverage, {}}, hooks).empty());
    stopper.join();
  }
  EXPECT_EQ(reports, 0);
}

}  // namespace
}  // namespace circscan
