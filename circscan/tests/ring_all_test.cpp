// Ring circulants (--ring) and every optimal set (--all) against the plain
// definitions: every set of the space, or every one holding 1, searched by a
// queue; and their parts, merges and checkpoints.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <sstream>
#include <string>
#include <vector>

#include "brute_force.h"
#include "checkpoint.h"
#include "json_rows.h"
#include "optimal_sets.h"
#include "report.h"
#include "row_check.h"
#include "search.h"
#include "sha256.h"

namespace circscan {
namespace {

using Sets = std::vector<std::vector<std::int32_t>>;

std::string Name(const BestQuery& q) {
  return "n=" + std::to_string(q.nFrom) + ".." + std::to_string(q.nTo) +
         " k=" + std::to_string(q.k) + (q.by == By::kAverage ? " average" : " diameter") +
         (q.ring ? " ring" : "");
}

Sets Listed(const BestRow& row, bool ring) {
  Sets sets;
  ForEachOptimalRow(row, ring, [&](const BestRow& one) {
    EXPECT_EQ(one.optimalSets, row.optimalSets);
    sets.push_back(one.generators);
  });
  return sets;
}

// Composite N hold classes without a unit and sets fixed by many units;
// primes hold classes of phi/2 members.
TEST(RingAndAll, BestRowsCountsAndEverySetMatchBruteForce) {
  struct Range {
    std::int32_t from, to, k;
  };
  const std::vector<Range> ranges{{3, 160, 2}, {300, 304, 2}, {6, 72, 3}, {120, 120, 3}, {8, 36, 4},
                                  {60, 60, 4}, {72, 72, 4},   {3, 40, 1}, {36, 36, 5}};
  for (const By by : {By::kDiameter, By::kAverage}) {
    for (const bool ring : {true, false}) {
      for (const Range& r : ranges) {
        BestQuery query{r.from, r.to, r.k, by, {}, ring, false};
        const auto rows = FindBest(query);
        query.all = true;
        const auto all = FindBest(query);
        ASSERT_EQ(all.size(), rows.size()) << Name(query);
        std::size_t next = 0;
        for (std::int32_t n = r.from; n <= r.to; ++n) {
          const Sets expected = testing::BruteOptimalSets(n, r.k, by, ring);
          if (expected.empty()) continue;
          ASSERT_LT(next, rows.size()) << Name(query) << " no row for " << n;
          const auto plain = testing::PlainSearch(n, expected.front());
          const BestRow row{
              n, r.k, by, expected.front(), plain->diameter, plain->sum, expected.size()};
          EXPECT_EQ(rows[next], row) << Name(query) << " n=" << n;
          BestRow summary = all[next];
          summary.classes.clear();
          EXPECT_EQ(summary, row) << Name(query) << " n=" << n;
          EXPECT_EQ(Listed(all[next], ring), expected) << Name(query) << " n=" << n;
          EXPECT_EQ(RecomputedProblem(all[next], ring), "") << Name(query) << " n=" << n;
          ++next;
        }
        EXPECT_EQ(next, rows.size()) << Name(query);
      }
    }
  }
}

TEST(RingAndAll, LargestRingMatchesBruteForce) {
  for (const auto& [k, d] : std::vector<std::pair<std::int32_t, std::int32_t>>{
           {1, 2}, {2, 1}, {2, 2}, {2, 3}, {2, 4}, {3, 1}, {3, 2}, {3, 3}, {4, 2}}) {
    const auto expected = testing::BruteLargest(k, d, *LargestBound(k, d), true);
    ASSERT_TRUE(expected);
    EXPECT_EQ(FindLargest({k, d, d, {}, true}), std::vector<LargestRow>{*expected})
        << "k=" << k << " d=" << d;
  }
}

std::vector<BestRow> Expanded(const std::vector<BestRow>& rows, bool ring) {
  std::vector<BestRow> one;
  for (const BestRow& row : rows) {
    ForEachOptimalRow(row, ring, [&](const BestRow& r) { one.push_back(r); });
  }
  return one;
}

std::vector<NamedText> Shards(BestQuery query, std::int32_t count) {
  std::vector<NamedText> files;
  for (std::int32_t i = 1; i <= count; ++i) {
    query.shard = {i, count};
    files.push_back({"part" + std::to_string(i), RenderBestShard(query, FindBest(query))});
  }
  return files;
}

TEST(RingAndAll, PartsMergeIntoTheSingleRunAndTheStreamPrintsItsRows) {
  for (const BestQuery& query : {BestQuery{5, 60, 2, By::kDiameter, {}, true, false},
                                 BestQuery{8, 40, 3, By::kAverage, {}, true, true},
                                 BestQuery{30, 42, 3, By::kDiameter, {}, false, true}}) {
    const auto single = FindBest(query);
    std::string error;
    const auto merged = MergeShards(Shards(query, 3), &error);
    ASSERT_TRUE(merged) << error;
    EXPECT_EQ(merged->bestRows, single) << Name(query);
    EXPECT_EQ(merged->part.ring, query.ring);
    EXPECT_EQ(merged->part.all, query.all);
    if (!query.all) continue;
    for (const Format f : {Format::kTable, Format::kCsv, Format::kJson}) {
      std::string streamed;
      WriteBestAll(merged->bestRows, query.ring, f, [&](std::string_view t) { streamed += t; });
      EXPECT_EQ(streamed, RenderBest(Expanded(single, query.ring), f)) << Name(query);
    }
  }
}

std::string MergeError(const std::vector<NamedText>& files) {
  std::string error;
  EXPECT_FALSE(MergeShards(files, &error));
  return error;
}

// A forger's file: the lines given, with a trailer that matches them.
std::string Sealed(const std::string& body, std::size_t rows) {
  return body + "{\"circscan_trailer\":{\"rows\":" + std::to_string(rows) + ",\"sha256\":\"" +
         Sha256Hex(body) + "\"}}\n";
}

TEST(RingAndAll, PartsOfAnotherSearchAndForgedClassesAreRefused) {
  const BestQuery ring{20, 30, 3, By::kDiameter, {}, true, true};
  BestQuery whole = ring;
  whole.ring = false;
  BestQuery single = ring;
  single.all = false;
  for (const BestQuery& other : {whole, single}) {
    auto files = Shards(ring, 2);
    files[1] = Shards(other, 2)[1];
    EXPECT_NE(MergeError(files).find("a shard of a different search"), std::string::npos);
  }
  // A class repeated in a second part would be counted twice.
  auto twice = Shards(ring, 2);
  twice[1].text = RenderBestShard({20, 30, 3, By::kDiameter, {2, 2}, true, true}, FindBest(ring));
  EXPECT_NE(MergeError(twice).find("a class is listed by two parts"), std::string::npos);
  // Rows whose classes were edited and the file sealed again.
  const std::string part = Shards(ring, 1)[0].text;
  const std::string body = part.substr(0, part.rfind('{'));
  const std::size_t rows = static_cast<std::size_t>(std::count(body.begin(), body.end(), '\n')) - 1;
  const auto forged = [&](const std::string& from, const std::string& to) {
    std::string text = body;
    const auto at = text.find(from);
    EXPECT_NE(at, std::string::npos) << from;
    text.replace(at, from.size(), to);
    return MergeError({{"part1", Sealed(text, rows)}});
  };
  // Classes that are not the row's, and a count that is not theirs.
  const std::string first = body.substr(body.find('\n') + 1);
  const auto classes = first.find("\"classes\":[");
  ASSERT_NE(classes, std::string::npos);
  const std::string list = first.substr(classes, first.find('\n') - classes);
  EXPECT_NE(forged(list, "\"classes\":[[1,2,3]]}").find("part1:"), std::string::npos);
  EXPECT_NE(forged("\"optimal_sets\":", "\"optimal_sets\":1").find("part1:"), std::string::npos);
}

TEST(RingAndAll, CheckpointsKeepTheClassesAndNameTheRingSearch) {
  const BestQuery query{20, 40, 3, By::kAverage, {}, true, true};
  const SearchPart part = PartOf(query);
  const std::string header = PartHeaderJson("circscan_checkpoint", part);
  std::string text = header + '\n';
  std::string chain = Sha256Hex(header);
  const auto rows = FindBest(query);
  for (const BestRow& row : rows) {
    const std::string unit = BestUnitText(row.n, row);
    chain = Sha256Hex(chain + unit);
    text += unit.substr(0, unit.size() - 1) + ",\"chain\":\"" + chain + "\"}\n";
  }
  std::string error;
  const auto state = ReadCheckpointText(text, "cp", part, &error);
  ASSERT_TRUE(state) << error;
  ASSERT_EQ(state->units.best.size(), rows.size());
  for (const BestRow& row : rows) EXPECT_EQ(*state->units.best.at(row.n), row);
  SearchPart whole = part;
  whole.ring = false;
  EXPECT_FALSE(ReadCheckpointText(text, "cp", whole, &error));
  EXPECT_NE(error.find("(best --n 20..40 --k 3 --by average --ring --all)"), std::string::npos)
      << error;
}

}  // namespace
}  // namespace circscan
