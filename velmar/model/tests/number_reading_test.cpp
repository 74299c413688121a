#include <gtest/gtest.h>

#include <cstdint>
#include <limits>
#include <optional>
#include <string>
#include <variant>
#include <vector>

#include "circulant.h"

namespace velmar {
namespace {

constexpr std::int32_t kMin = std::numeric_limits<std::int32_t>::min();
constexpr std::int32_t kMax = std::numeric_limits<std::int32_t>::max();

TEST(ReadNumber, FollowsTheReadingRule) {
  EXPECT_EQ(ReadNumber("12"), 12);
  EXPECT_EQ(ReadNumber(" 7"), 7);
  EXPECT_EQ(ReadNumber("5x"), 5);
  EXPECT_EQ(ReadNumber("08"), 8);
  EXPECT_EQ(ReadNumber("x5"), 0);
  EXPECT_EQ(ReadNumber(""), 0);
  EXPECT_EQ(ReadNumber("-3"), -3);
  EXPECT_EQ(ReadNumber("+4"), 4);
  EXPECT_EQ(ReadNumber("\t\n\r\v\f 9"), 9);
  EXPECT_EQ(ReadNumber("-"), 0);
  EXPECT_EQ(ReadNumber("+-1"), 0);
  EXPECT_EQ(ReadNumber("- 1"), 0);
  EXPECT_EQ(ReadNumber("1 2"), 1);
  EXPECT_EQ(ReadNumber("0000000000000000000000000042"), 42);
}

TEST(ReadNumber, RejectsWhatDoesNotFit32Bits) {
  EXPECT_EQ(ReadNumber("2147483647"), kMax);
  EXPECT_EQ(ReadNumber("-2147483648"), kMin);
  EXPECT_EQ(ReadNumber("2147483648"), std::nullopt);
  EXPECT_EQ(ReadNumber("-2147483649"), std::nullopt);
  EXPECT_EQ(ReadNumber("4294967297"), std::nullopt);  // wraps to 1 in 32 bits
  EXPECT_EQ(ReadNumber(std::string(5000, '9')), std::nullopt);
}

std::variant<std::int32_t, BuildError> Count(std::int32_t n) { return n; }
const std::variant<std::int32_t, BuildError> kCountError = BuildError::VertexCountError;

TEST(ReadVertexCount, AcceptsTwoUpToTheCap) {
  EXPECT_EQ(ReadVertexCount("08"), Count(8));
  EXPECT_EQ(ReadVertexCount("+5"), Count(5));
  EXPECT_EQ(ReadVertexCount("2"), Count(2));
  EXPECT_EQ(ReadVertexCount("99"), Count(99));
  EXPECT_EQ(ReadVertexCount("4096"), Count(kMaxVertexCount));
}

TEST(ReadVertexCount, RejectsZeroNegativeOneHugeAndGarbage) {
  for (const char* text : {"abc", "", "0", "-0", "-1", "-9", "1", "4097", "2147483647",
                           "2147483648", "-2147483648", "99999999999999999999"}) {
    EXPECT_EQ(ReadVertexCount(text), kCountError) << '"' << text << '"';
  }
}

using List = std::vector<std::int32_t>;

TEST(ParseGenerators, SplitsOnSpacesOnly) {
  EXPECT_EQ(ParseGenerators("1 3"), List({1, 3}));
  EXPECT_EQ(ParseGenerators("  1   3  "), List({1, 3}));
  EXPECT_EQ(ParseGenerators("1,3"), List({1}));
  EXPECT_EQ(ParseGenerators("1;3 5"), List({1, 5}));
  EXPECT_EQ(ParseGenerators("1\t3"), List({1}));
  EXPECT_EQ(ParseGenerators("1 \t3"), List({1, 3}));
  EXPECT_EQ(ParseGenerators("1 x 3"), List({1, 0, 3}));
  EXPECT_EQ(ParseGenerators("-1 +2 08"), List({-1, 2, 8}));
  EXPECT_EQ(ParseGenerators("\n 4 \r"), List({4}));
}

TEST(ParseGenerators, BlankTextGivesASingleZero) {
  EXPECT_EQ(ParseGenerators(""), List({0}));
  EXPECT_EQ(ParseGenerators("   "), List({0}));
  EXPECT_EQ(ParseGenerators("\t"), List({0}));
}

// Only a leading space starts the skip of white space, so a tab that comes
// right after a separator begins a token of its own, which reads as 0.
TEST(ParseGenerators, TabAfterSeparatorIsATokenOfItsOwn) {
  EXPECT_EQ(ParseGenerators("1 \t 3"), List({1, 0, 3}));
}

TEST(ParseGenerators, KeepsDuplicatesAndAnyCount) {
  EXPECT_EQ(ParseGenerators("1 1 1"), List({1, 1, 1}));
  std::string text;
  for (int i = 0; i < 10000; ++i) text += "7 ";
  const auto list = ParseGenerators(text);
  ASSERT_TRUE(list.has_value());
  EXPECT_EQ(list->size(), 10000u);
}

TEST(ParseGenerators, RejectsATokenBeyond32Bits) {
  EXPECT_EQ(ParseGenerators("2147483647 -2147483648"), List({kMax, kMin}));
  EXPECT_EQ(ParseGenerators("1 2147483648"), std::nullopt);
  EXPECT_EQ(ParseGenerators("-2147483649 1"), std::nullopt);
  EXPECT_EQ(ParseGenerators("1 99999999999999999999999 3"), std::nullopt);
}

}  // namespace
}  // namespace velmar
