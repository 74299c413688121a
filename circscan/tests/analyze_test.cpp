#include <gtest/gtest.h>

#include <cstdint>
#include <string>
#include <variant>
#include <vector>

#include "circulant.h"
#include "search.h"

namespace circscan {
namespace {

using List = std::vector<std::int32_t>;

// Every set of up to three generators of every N up to 40 that velmar's
// dialog search sees completely (no vertex beyond four hops).
TEST(Analyze, AgreesWithVelmarWheneverEveryDistanceIsAtMostFour) {
  int compared = 0;
  for (std::int32_t n = 2; n <= 40; ++n) {
    const std::int32_t half = n / 2;
    for (std::int32_t a = 1; a <= half; ++a) {
      for (std::int32_t b = a; b <= half; ++b) {
        for (std::int32_t c = b; c <= half; c += 3) {
          const List generators{a, b, c};
          const auto built = velmar::BuildCirculant(
              std::to_string(n),
              std::to_string(a) + ' ' + std::to_string(b) + ' ' + std::to_string(c));
          const auto* model = std::get_if<velmar::CirculantModel>(&built);
          std::string error;
          const auto analysis = Analyze(n, generators, &error);
          ASSERT_EQ(model != nullptr, analysis.has_value())
              << n << ": " << a << ' ' << b << ' ' << c;
          if (model == nullptr || model->diameter == velmar::DISTANCE_FAR) continue;
          const auto row0 = model->distances.row(0);
          EXPECT_EQ(analysis->distances, List(row0.begin(), row0.end()));
          EXPECT_EQ(analysis->diameter, model->diameter);
          EXPECT_EQ(analysis->average(), model->averDiam);
          ++compared;
        }
      }
    }
  }
  EXPECT_GT(compared, 3000);
}

TEST(Analyze, ReadsGeneratorsAsVelmarJoinsThem) {
  std::string error;
  const auto a = Analyze(37, {1, 5, 11}, &error);
  const auto b = Analyze(37, {-1, 42, 26, 0, 11}, &error);
  ASSERT_TRUE(a && b);
  EXPECT_EQ(a->generators, (List{1, 5, 11}));
  EXPECT_EQ(b->generators, (List{1, 5, 11}));
  EXPECT_EQ(a->distances, b->distances);
  EXPECT_EQ(a->diameter, 4);
}

// Repeats and their mirror images are one generator: the same answer as the
// plain list (and, as the benchmark shows, the same cost).
TEST(Analyze, RepeatedGeneratorsGiveTheSameAnswerAsOne) {
  const auto once = Analyze(1000, {1, 7}, nullptr);
  const auto often = Analyze(1000, {1, 7, 1, 993, 1007, -7, 1, 7, 7}, nullptr);
  ASSERT_TRUE(once && often);
  EXPECT_EQ(often->generators, (List{1, 7}));
  EXPECT_EQ(often->distances, once->distances);
  EXPECT_EQ(often->sum, once->sum);
}

TEST(Analyze, RefusesWhatIsNotAConnectedCirculant) {
  std::string error;
  EXPECT_FALSE(Analyze(12, {2, 4}, &error));
  EXPECT_NE(error.find("common divisor 2"), std::string::npos) << error;
  EXPECT_FALSE(Analyze(12, {0, 12}, &error));
  EXPECT_FALSE(Analyze(1, {1}, &error));
  EXPECT_FALSE(Analyze(kMaxVertexCount + 1, {1}, &error));
  // Beyond four hops, where velmar's dialog stops, the distances go on.
  const auto ring = Analyze(1001, {1}, &error);
  ASSERT_TRUE(ring);
  EXPECT_EQ(ring->diameter, 500);
  EXPECT_EQ(ring->sum, 500 * 501);
}

}  // namespace
}  // namespace circscan
