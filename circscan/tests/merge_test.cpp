// Shards of one search merged must give the single run's output exactly,
// and a shard file that is cut, edited, repeated, forged or foreign must
// never reach the output.
#include <gtest/gtest.h>

#include <sstream>
#include <string>
#include <vector>

#include "report.h"
#include "search.h"
#include "sha256.h"
#include "shard_file.h"

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

std::vector<std::string> Lines(const std::string& text) {
  std::vector<std::string> lines;
  std::istringstream in(text);
  for (std::string line; std::getline(in, line);) lines.push_back(line);
  return lines;
}

// The lines given with a trailer that matches them, as a forger would write.
std::string Sealed(const std::vector<std::string>& lines) {
  std::string body;
  for (const std::string& line : lines) body += line + '\n';
  return body + "{\"circscan_trailer\":{\"rows\":" + std::to_string(lines.size() - 1) +
         ",\"sha256\":\"" + Sha256Hex(body) + "\"}}\n";
}

std::string Joined(const std::vector<std::string>& lines) {
  std::string text;
  for (const std::string& line : lines) text += line + '\n';
  return text;
}

// The error of merging the three parts with part 2 replaced by `text`.
std::string MergeError(std::vector<NamedText> files, const std::string& text) {
  files[1].text = text;
  std::string error;
  EXPECT_FALSE(MergeShards(files, &error)) << text;
  return error;
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

TEST(Merge, AGenuinePartWithoutRowsStillMerges) {
  const auto files = BestShards({5, 7, 2, By::kDiameter, {}}, 5);
  ASSERT_EQ(Lines(files[4].text).size(), 2u) << files[4].text;  // header and trailer
  std::string error;
  const auto merged = MergeShards(files, &error);
  ASSERT_TRUE(merged) << error;
  EXPECT_EQ(merged->bestRows, FindBest({5, 7, 2, By::kDiameter, {}}));
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

  BestQuery other = query;
  other.k = 3;
  other.shard = {2, 3};
  EXPECT_NE(MergeError(files, RenderBestShard(other, FindBest(other))).find("different search"),
            std::string::npos);

  EXPECT_EQ(MergeError(files, RenderBest(FindBest(query), Format::kJson)),
            "part2:1: not the output of a shard (run the search with --shard I/M --format json)");
  EXPECT_FALSE(MergeShards({}, &error));
  EXPECT_EQ(MergeError(files, ""), "part2: empty, not the output of a shard");
  EXPECT_TRUE(MergeShards(files, &error)) << error;
}

TEST(Merge, RefusesAFileCutShortAtAnyLineOrByte) {
  const auto files = BestShards({5, 80, 2, By::kDiameter, {}}, 3);
  const auto lines = Lines(files[1].text);
  for (std::size_t keep = 1; keep < lines.size(); ++keep) {
    const std::vector<std::string> head(lines.begin(), lines.begin() + keep);
    EXPECT_EQ(MergeError(files, Joined(head)),
              "part2:" + std::to_string(keep) +
                  ": the file ends without its trailer: cut short, or its run has not finished");
  }
  const std::string& text = files[1].text;
  for (const std::size_t bytes : {text.size() - 1, text.size() - 30, text.size() / 2, 10ul}) {
    EXPECT_EQ(MergeError(files, text.substr(0, bytes)).rfind("part2:", 0), 0u) << bytes;
  }
}

TEST(Merge, RefusesEditedRepeatedAndInventedRowsThroughTheDigest) {
  const auto files = BestShards({5, 60, 2, By::kDiameter, {}}, 3);
  const auto lines = Lines(files[1].text);
  const std::string row = lines[5];
  const auto edited = [&](const std::string& from, const std::string& to) {
    auto copy = lines;
    copy[5].replace(copy[5].find(from), from.size(), to);
    return Joined(copy);
  };
  const std::string changed = "part2:" + std::to_string(lines.size()) +
                              ": the lines above do not match the trailer's SHA-256 digest: "
                              "the file was changed";
  EXPECT_EQ(MergeError(files, edited("\"optimal_sets\":", "\"optimal_sets\":1")), changed);
  EXPECT_EQ(MergeError(files, edited("\"diameter\":", "\"diameter\":1")), changed);
  // The average no longer matches the sum, so the line itself is wrong.
  EXPECT_EQ(MergeError(files, edited("\"distance_sum\":", "\"distance_sum\":1")),
            "part2:6: not a row of this search");

  auto repeated = lines;
  repeated.insert(repeated.begin() + 6, row);
  EXPECT_EQ(MergeError(files, Joined(repeated)).rfind("part2:7: a second row for N = ", 0), 0u);

  auto invented = lines;
  invented.insert(invented.end() - 1, R"({"n":61,"k":2,"by":"diameter","generators":[1,11],)"
                                      R"("diameter":6,"average":4.0,"distance_sum":240,)"
                                      R"("optimal_sets":1})");
  EXPECT_EQ(MergeError(files, Joined(invented)),
            "part2:" + std::to_string(lines.size()) + ": not a row of this search");

  auto counted = lines;
  counted.back().replace(counted.back().find("\"rows\":") + 7, 1, "9");
  EXPECT_NE(MergeError(files, Joined(counted)).find(": the trailer counts 9"), std::string::npos);

  auto after = lines;
  after.push_back(row);
  EXPECT_EQ(MergeError(files, Joined(after)),
            "part2:" + std::to_string(after.size()) +
                ": more after the trailer, which ends a shard file");
}

TEST(Merge, RecomputesEveryRowOfAResealedFile) {
  const auto files = BestShards({5, 60, 2, By::kDiameter, {}}, 3);
  auto lines = Lines(files[1].text);
  lines.pop_back();
  // N = 46: {1 10} has D = 5; a forger claims {2 23} with the same figures.
  std::size_t at = 0;
  for (std::size_t i = 1; i < lines.size(); ++i) {
    if (lines[i].rfind("{\"n\":46,", 0) == 0) at = i;
  }
  ASSERT_NE(at, 0u);
  auto forged = lines;
  forged[at].replace(forged[at].find("\"generators\":"),
                     forged[at].find("],") + 1 - forged[at].find("\"generators\":"),
                     "\"generators\":[2,23]");
  EXPECT_EQ(
      MergeError(files, Sealed(forged))
          .rfind("part2:" + std::to_string(at + 1) + ": the set {2 23} at N = 46 has D = 12 and ",
                 0),
      0u);

  auto optimistic = lines;
  const std::string row = lines[at];
  const auto d = row.find("\"diameter\":") + 11;
  optimistic[at].replace(d, row.find(',', d) - d, "4");
  EXPECT_EQ(
      MergeError(files, Sealed(optimistic)),
      "part2:" + std::to_string(at + 1) +
          ": the set {1 10} at N = 46 has D = 5 and distance sum 145, not the row's D = 4 and "
          "145");
}

TEST(Merge, RefusesALargestRowForAnNItsPartDoesNotSearch) {
  const LargestQuery query{2, 2, 3, {2, 3}};
  const std::string genuine = RenderLargestShard(query, FindLargest(query));
  auto lines = Lines(genuine);
  lines.pop_back();
  // d = 2 counts down from 13, so part 2 of 3 searches 12, 9, 6; 13 is part 1's.
  lines[1] = R"({"k":2,"diameter":2,"n":13,"generators":[1,5]})";
  std::vector<NamedText> files;
  for (std::int32_t i = 1; i <= 3; ++i) {
    LargestQuery part = query;
    part.shard = {i, 3};
    files.push_back({"p" + std::to_string(i), RenderLargestShard(part, FindLargest(part))});
  }
  EXPECT_EQ(MergeError(files, Sealed(lines)), "p2:2: N = 13 is not searched by part 2/3");
}

TEST(Merge, HostileFilesAreRefusedAtTheirFirstBadLine) {
  const auto files = BestShards({5, 20, 2, By::kDiameter, {}}, 3);
  const std::string header = Lines(files[1].text)[0];
  EXPECT_EQ(MergeError(files, std::string(100000, '[')).rfind("part2:1: not the output", 0), 0u);
  EXPECT_EQ(MergeError(files, header + '\n' + std::string(5000, '[') + '\n'),
            "part2:2: a line longer than any row of this search");
  EXPECT_EQ(MergeError(files, header + "\n[[[[[[[[1]]]]]]]]\n"),
            "part2:2: not a row of this search");
  EXPECT_EQ(MergeError(files, header + "\n\n"), "part2:2: not a row of this search");
}

}  // namespace
}  // namespace circscan
