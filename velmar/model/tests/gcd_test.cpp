#include <gtest/gtest.h>

#include <cstdint>
#include <limits>
#include <vector>

#include "circulant.h"

namespace velmar {
namespace {

constexpr std::int32_t kMin = std::numeric_limits<std::int32_t>::min();
constexpr std::int32_t kMax = std::numeric_limits<std::int32_t>::max();

TEST(Gcd, EuclidOnMagnitudes) {
  EXPECT_EQ(Gcd(12, 18), 6);
  EXPECT_EQ(Gcd(18, 12), 6);
  EXPECT_EQ(Gcd(-4, 6), 2);
  EXPECT_EQ(Gcd(-4, -6), 2);
  EXPECT_EQ(Gcd(7, 7), 7);
  EXPECT_EQ(Gcd(1, 99), 1);
}

TEST(Gcd, AZeroOperandGivesZero) {
  EXPECT_EQ(Gcd(5, 0), 0);
  EXPECT_EQ(Gcd(0, 5), 0);
  EXPECT_EQ(Gcd(0, 0), 0);
  EXPECT_EQ(Gcd(kMin, 0), 0);
}

TEST(Gcd, SurvivesThe32BitLimits) {
  EXPECT_EQ(Gcd(kMin, kMin), std::int64_t{1} << 31);
  EXPECT_EQ(Gcd(kMin, 6), 2);
  EXPECT_EQ(Gcd(-6, kMin), 2);
  EXPECT_EQ(Gcd(kMin, kMax), 1);
  EXPECT_EQ(Gcd(kMax, kMax), kMax);
  EXPECT_EQ(Gcd(kMin, -1024), 1024);
}

using List = std::vector<std::int32_t>;

TEST(GcdOfList, StopsAtTheFirstOne) {
  EXPECT_EQ(GcdOfList(List({1, 3, 8})), 1);
  EXPECT_EQ(GcdOfList(List({2, 3, 0, 8})), 1);  // the 0 is never examined
  EXPECT_EQ(GcdOfList(List({1, 0, 8})), 0);     // Gcd(1, 0) = 0 comes first
  EXPECT_EQ(GcdOfList(List({0, 1, 8})), 0);
  EXPECT_EQ(GcdOfList(List({1, 8, 0})), 1);
}

TEST(GcdOfList, ReportsTheCommonDivisor) {
  EXPECT_EQ(GcdOfList(List({2, 4, 8})), 2);
  EXPECT_EQ(GcdOfList(List({4, 8})), 4);
  EXPECT_EQ(GcdOfList(List({3, 6})), 3);
  EXPECT_EQ(GcdOfList(List({-6, 9, 12})), 3);
  EXPECT_EQ(GcdOfList(List({})), 0);
}

TEST(GcdOfList, CarriesTwoToThe31Exactly) {
  EXPECT_EQ(GcdOfList(List({kMin, kMin})), std::int64_t{1} << 31);
  EXPECT_EQ(GcdOfList(List({kMin, kMin, 8})), 8);
  EXPECT_EQ(GcdOfList(List({kMin, kMin, kMax})), 1);
}

}  // namespace
}  // namespace velmar
