// Shards of one search merged must give the single run's output exactly.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "report.h"
#include "search.h"

namespace circscan {
namespace {

std::vector<NamedText> BestShards(BestQuery query, std::int32_t count) {
  std::vector<NamedText> files;
  for (std::int32_t i = 1; i <= count; ++i) {
    query.shard = {i, count};
    files.push_back({"part" + std::to_string(i), RenderBestShard(query, FindBest(query))});
  }
  return files;
}

TEST(Merge, ThreeShardsOfBestGiveTheSingleRunInEveryFormat) {
  for (const BestQuery query :
       {BestQuery{5, 60, 2, By::kDiameter, {}}, BestQuery{8, 40, 3, By::kAverage, {}},
        BestQuery{30, 30, 4, By::kDiameter, {}}}) {
    const auto single = FindBest(query);
    std::string error;
    const auto merged = MergeShards(BestShards(query, 3), &error);
    ASSERT_TRUE(merged) << error;
    ASSERT_TRUE(merged->best);
    EXPECT_EQ(merged->bestRows, single);
    for (const Format f : {Format::kTable, Format::kCsv, Format::kJson}) {
      EXPECT_EQ(RenderBest(merged->bestRows, f), RenderBest(single, f));
    }
  }
}

TEST(Merge, ShardsOfLargestGiveTheSingleRun) {
  const LargestQuery query{3, 2, 4, {}};
  const auto single = FindLargest(query);
  for (const std::int32_t count : {2, 3, 7}) {
    std::vector<NamedText> files;
    for (std::int32_t i = count; i >= 1; --i) {  // the order of the files does not matter
      LargestQuery part = query;
      part.shard = {i, count};
      files.push_back({"p" + std::to_string(i), RenderLargestShard(part, FindLargest(part))});
    }
    std::string error;
    const auto merged = MergeShards(files, &error);
    ASSERT_TRUE(merged) << error;
    EXPECT_FALSE(merged->best);
    EXPECT_EQ(merged->largestRows, single) << count;
  }
}

TEST(Merge, RefusesIncompleteRepeatedOrForeignShards) {
  const BestQuery query{5, 20, 2, By::kDiameter, {}};
  auto files = BestShards(query, 3);
  std::string error;

  auto missing = files;
  missing.pop_back();
  EXPECT_FALSE(MergeShards(missing, &error));
  EXPECT_NE(error.find("missing: 3 of 3"), std::string::npos) << error;

  auto twice = files;
  twice[2] = twice[1];
  EXPECT_FALSE(MergeShards(twice, &error));
  EXPECT_NE(error.find("given twice"), std::string::npos) << error;

  auto foreign = files;
  BestQuery other = query;
  other.k = 3;
  other.shard = {3, 3};
  foreign[2].text = RenderBestShard(other, FindBest(other));
  EXPECT_FALSE(MergeShards(foreign, &error));
  EXPECT_NE(error.find("different search"), std::string::npos) << error;

  auto plain = files;
  plain[0].text = RenderBest(FindBest(query), Format::kJson);
  EXPECT_FALSE(MergeShards(plain, &error));
  EXPECT_NE(error.find("part1:1: not the output of a shard"), std::string::npos) << error;

  for (const char* broken : {"{\"n\":", "[1,2]\n", "{\"n\":5,\"k\":2}\n",
                             "{\"n\":5,\"k\":2,\"by\":\"diameter\",\"generators\":[2,1],"
                             "\"diameter\":1,\"distance_sum\":4,\"optimal_sets\":1}\n"}) {
    auto bad = files;
    bad[1].text += broken;
    EXPECT_FALSE(MergeShards(bad, &error)) << broken;
    EXPECT_EQ(error.rfind("part2:", 0), 0u) << error;
  }
  EXPECT_FALSE(MergeShards({}, &error));
  EXPECT_FALSE(MergeShards({{"empty", ""}}, &error));
  EXPECT_TRUE(MergeShards(files, &error)) << error;
}

}  // namespace
}  // namespace circscan
