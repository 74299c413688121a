#include <gtest/gtest.h>

#include <clocale>
#include <cstdint>
#include <string>
#include <vector>

#include "report.h"

namespace circscan {
namespace {

using List = std::vector<std::int32_t>;

const std::vector<BestRow> kRows{
    {9, 2, By::kDiameter, {1, 2}, 2, 12, 6},
    {13, 2, By::kDiameter, {1, 5}, 2, 20, 3},
};

TEST(Report, BestCsvHasTheExactHeaderAndFiveDecimals) {
  EXPECT_EQ(RenderBest(kRows, Format::kCsv),
            "n,k,by,generators,diameter,average,optimal_sets\n"
            "9,2,diameter,1 2,2,1.50000,6\n"
            "13,2,diameter,1 5,2,1.66667,3\n");
}

TEST(Report, TablesAlignNumbersRightAndWordsLeft) {
  EXPECT_EQ(RenderBest(kRows, Format::kTable),
            " n  k  by        generators  diameter  average  optimal_sets\n"
            " 9  2  diameter  1 2                2  1.50000             6\n"
            "13  2  diameter  1 5                2  1.66667             3\n");
  EXPECT_EQ(RenderLargest({{3, 2, 21, {1, 2, 8}}, {3, 3, 55, {1, 5, 21}}}, Format::kTable),
            "k  diameter   n  generators\n"
            "3         2  21  1 2 8\n"
            "3         3  55  1 5 21\n");
}

TEST(Report, LargestCsvAndJsonRows) {
  const std::vector<LargestRow> rows{{2, 2, 13, {1, 5}}};
  EXPECT_EQ(RenderLargest(rows, Format::kCsv), "k,diameter,n,generators\n2,2,13,1 5\n");
  EXPECT_EQ(RenderLargest(rows, Format::kJson),
            "{\"k\":2,\"diameter\":2,\"n\":13,\"generators\":[1,5]}\n");
  EXPECT_EQ(RenderBest({kRows[0]}, Format::kJson),
            "{\"n\":9,\"k\":2,\"by\":\"diameter\",\"generators\":[1,2],\"diameter\":2,"
            "\"average\":1.5,\"distance_sum\":12,\"optimal_sets\":6}\n");
}

TEST(Report, AverageKeepsItsDecimalPointUnderADecimalCommaLocale) {
  if (std::setlocale(LC_ALL, "ru_RU.UTF-8") == nullptr) GTEST_SKIP() << "no ru_RU.UTF-8 locale";
  EXPECT_EQ(FormatAverage(10.0 / 7), "1.42857");
  EXPECT_EQ(RenderBest({kRows[1]}, Format::kCsv).substr(48), "13,2,diameter,1 5,2,1.66667,3\n");
  std::setlocale(LC_ALL, "C");
}

TEST(Report, AnalysisInAllThreeFormats) {
  Analysis a;
  a.n = 5;
  a.generators = {1};
  a.distances = {0, 1, 2, 2, 1};
  a.diameter = 2;
  a.sum = 6;
  EXPECT_EQ(RenderAnalysis(a, Format::kCsv),
            "n,generators,diameter,average,distances\n5,1,2,1.50000,0 1 2 2 1\n");
  EXPECT_EQ(RenderAnalysis(a, Format::kJson),
            "{\"n\":5,\"generators\":[1],\"diameter\":2,\"average\":1.5,\"distance_sum\":6,"
            "\"distances\":[0,1,2,2,1]}\n");
  EXPECT_EQ(RenderAnalysis(a, Format::kTable),
            "n           5\ngenerators  1\ndiameter    2\naverage     1.50000\n"
            "distances   0 1 2 2 1\n");
}

TEST(Parsing, RangesShardsAndGeneratorLists) {
  EXPECT_EQ(ParseRange("5..200"), (std::pair<std::int64_t, std::int64_t>{5, 200}));
  EXPECT_EQ(ParseRange("7"), (std::pair<std::int64_t, std::int64_t>{7, 7}));
  EXPECT_EQ(ParseRange("9..3"), (std::pair<std::int64_t, std::int64_t>{9, 3}));  // caller refuses
  for (const char* bad : {"", "..", "5..", "..5", "-1..4", "5...9", "5..9x", "a..b", " 5..9", "5-9",
                          "99999999999999999999..1"}) {
    EXPECT_FALSE(ParseRange(bad)) << bad;
  }
  EXPECT_EQ(ParseShard("2/8"), (Shard{2, 8}));
  for (const char* bad : {"0/8", "9/8", "2/", "/8", "2/8/1", "2", "-1/3", "1/0"}) {
    EXPECT_FALSE(ParseShard(bad)) << bad;
  }
  EXPECT_EQ(ParseGeneratorList("1 5 11"), (List{1, 5, 11}));
  EXPECT_EQ(ParseGeneratorList(" 1,5\t-11 +3 "), (List{1, 5, -11, 3}));
  for (const char* bad :
       {"", "  ", "1 x", "5x", "1.5", "99999999999", "--1", "+", "+-5", "-+5", "++5", "5+", "-"}) {
    EXPECT_FALSE(ParseGeneratorList(bad)) << bad;
  }
}

}  // namespace
}  // namespace circscan
