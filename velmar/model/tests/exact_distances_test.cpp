#include <gtest/gtest.h>

#include <cstdint>
#include <random>
#include <string>
#include <variant>
#include <vector>

#include "circulant.h"

namespace velmar {
namespace {

using List = std::vector<std::int32_t>;

TEST(ExactDistances, RingAndWorkedExamplesBeyondFourHops) {
  EXPECT_EQ(ExactDistancesFromZero(10, {1}), (List{0, 1, 2, 3, 4, 5, 4, 3, 2, 1}));
  EXPECT_EQ(ExactDistancesFromZero(12, {3, 4}), (List{0, 2, 3, 1, 1, 2, 2, 2, 1, 1, 3, 2}));
  // Negative, oversized and zero generators join what BuildAdjacency joins.
  EXPECT_EQ(ExactDistancesFromZero(8, {-1, 10, 0}), ExactDistancesFromZero(8, {1, 2}));
  EXPECT_EQ(ExactDistancesFromZero(5, {2147483647, -2147483647 - 1}),
            ExactDistancesFromZero(5, {2, 2}));
  EXPECT_EQ(SumOfDistances(ExactDistancesFromZero(20, {1})), 100);
}

TEST(ExactDistances, OtherComponentsAreUnreachable) {
  const List d = ExactDistancesFromZero(8, {2});
  EXPECT_EQ(d, (List{0, kUnreachable, 1, kUnreachable, 2, kUnreachable, 1, kUnreachable}));
  EXPECT_EQ(SumOfDistances(d), -1);
  EXPECT_EQ(ExactDistancesFromZero(1, {1}), List{0});
  EXPECT_TRUE(ExactDistancesFromZero(0, {1}).empty());
  EXPECT_TRUE(ExactDistancesFromZero(-3, {1}).empty());
}

// Within four hops the dialog's bounded search is exact, so the two must agree
// wherever the bounded one found every vertex.
TEST(ExactDistances, AgreeWithTheBoundedSearchWithinFourHops) {
  std::mt19937 random(7);
  int compared = 0;
  for (int round = 0; round < 3000; ++round) {
    const auto n = static_cast<std::int32_t>(random() % 60 + 2);
    const auto k = static_cast<int>(random() % 4 + 1);
    List generators;
    std::string text;
    for (int i = 0; i < k; ++i) {
      generators.push_back(static_cast<std::int32_t>(random() % 80) - 20);
      text += std::to_string(generators.back()) + ' ';
    }
    const auto built = BuildCirculant(std::to_string(n), text);
    const auto* model = std::get_if<CirculantModel>(&built);
    if (model == nullptr || model->diameter == DISTANCE_FAR) continue;
    const auto row0 = model->distances.row(0);
    EXPECT_EQ(ExactDistancesFromZero(n, generators), List(row0.begin(), row0.end()))
        << n << ": " << text;
    ++compared;
  }
  EXPECT_GT(compared, 500);
}

}  // namespace
}  // namespace velmar
