// A checkpoint read back: whole records are trusted only along an unbroken
// chain and after their sets are searched again; a last line torn by a crash
// is dropped and its unit runs again.
#include <gtest/gtest.h>

#include <cstdio>
#include <optional>
#include <sstream>
#include <string>
#include <vector>

#include "checkpoint.h"
#include "json_rows.h"
#include "search.h"
#include "sha256.h"

namespace circscan {
namespace {

const SearchPart kBest = PartOf(BestQuery{20, 40, 2, By::kDiameter, {}});
const SearchPart kLargest = PartOf(LargestQuery{2, 2, 3, {2, 3}});

// The text a run writes, unit by unit, as the writer's chain rule gives it.
std::string Written(const SearchPart& part, const std::vector<std::string>& units) {
  const std::string header = PartHeaderJson("circscan_checkpoint", part);
  std::string text = header + '\n';
  std::string chain = Sha256Hex(header);
  for (const std::string& unit : units) {
    chain = Sha256Hex(chain + unit);
    text += unit.substr(0, unit.size() - 1) + ",\"chain\":\"" + chain + "\"}\n";
  }
  return text;
}

std::vector<std::string> BestUnits(const SearchPart& part) {
  std::vector<std::string> units;
  for (const BestRow& row : FindBest(BestQueryOf(part))) units.push_back(BestUnitText(row.n, row));
  return units;
}

std::string Refusal(const std::string& text, const SearchPart& part = kBest) {
  std::string error;
  EXPECT_FALSE(ReadCheckpointText(text, "cp", part, &error)) << text;
  return error;
}

TEST(Checkpoint, ReadsBackEveryUnitAndWhereToContinue) {
  const auto units = BestUnits(kBest);
  const std::string text = Written(kBest, units);
  std::string error;
  const auto state = ReadCheckpointText(text, "cp", kBest, &error);
  ASSERT_TRUE(state) << error;
  EXPECT_FALSE(state->fresh);
  EXPECT_EQ(state->keptBytes, text.size());
  EXPECT_EQ(state->units.best.size(), units.size());
  EXPECT_EQ(*state->units.best.at(20), FindBest({20, 20, 2, By::kDiameter, {}})[0]);

  const auto empty = ReadCheckpointText("", "cp", kBest, &error);
  ASSERT_TRUE(empty);
  EXPECT_TRUE(empty->fresh);
  EXPECT_EQ(empty->chain, Sha256Hex(PartHeaderJson("circscan_checkpoint", kBest)));
}

TEST(Checkpoint, DropsALastLineTornByACrash) {
  const auto units = BestUnits(kBest);
  const std::string whole = Written(kBest, units);
  const std::string kept = Written(kBest, {units.begin(), units.end() - 1});
  for (const std::size_t cut : {std::size_t{1}, std::size_t{40}, units.back().size()}) {
    std::string error;
    const auto state = ReadCheckpointText(whole.substr(0, whole.size() - cut), "cp", kBest, &error);
    ASSERT_TRUE(state) << error;
    EXPECT_EQ(state->keptBytes, kept.size()) << cut;
    EXPECT_EQ(state->units.best.size(), units.size() - 1) << cut;
  }
  // A header cut short recorded nothing: the file starts afresh.
  const auto header = ReadCheckpointText(whole.substr(0, 20), "cp", kBest, nullptr);
  ASSERT_TRUE(header);
  EXPECT_TRUE(header->fresh);
  EXPECT_EQ(header->keptBytes, 0u);
}

TEST(Checkpoint, RefusesEditedRepeatedAndForgedRecords) {
  const auto units = BestUnits(kBest);
  std::istringstream in(Written(kBest, units));
  std::vector<std::string> lines;
  for (std::string line; std::getline(in, line);) lines.push_back(line);
  const auto joined = [](const std::vector<std::string>& list) {
    std::string text;
    for (const std::string& line : list) text += line + '\n';
    return text;
  };
  const std::string broken =
      "the record does not continue the chain of the records above it: the file was changed";
  auto edited = lines;
  edited[3].replace(edited[3].find("\"optimal_sets\":") + 15, 0, "9");
  EXPECT_EQ(Refusal(joined(edited)), "cp:4: " + broken);
  auto repeated = lines;
  repeated.insert(repeated.begin() + 4, lines[3]);
  EXPECT_EQ(Refusal(joined(repeated)), "cp:5: " + broken);
  auto removed = lines;
  removed.erase(removed.begin() + 2);
  EXPECT_EQ(Refusal(joined(removed)), "cp:3: " + broken);

  // A forger who keeps the chain whole still meets the search of every set.
  auto forged = units;
  forged[0].replace(forged[0].find("\"diameter\":") + 11, 1, "1");
  EXPECT_EQ(Refusal(Written(kBest, forged)).rfind("cp:2: the set {", 0), 0u);
  auto twice = units;
  twice.push_back(units[0]);
  EXPECT_EQ(Refusal(Written(kBest, twice)),
            "cp:" + std::to_string(units.size() + 2) + ": a second record for N = 20");
  EXPECT_EQ(Refusal(Written(kBest, {EmptyBestUnitJson(41)})),
            "cp:2: N = 41 is not part of this search");
}

TEST(Checkpoint, RefusesAnotherSearchOrAFileThatIsNotOne) {
  SearchPart other = kBest;
  other.shard = {1, 2};
  EXPECT_EQ(Refusal(Written(other, {})),
            "cp: the checkpoint of another search (best --n 20..40 --k 2 --by diameter "
            "--shard 1/2); use another file for this one");
  EXPECT_EQ(Refusal("{\"circscan_shard\":{}}\n"), "cp:1: not a circscan checkpoint");
  EXPECT_EQ(Refusal(std::string(10000, '[')), "cp:1: not a circscan checkpoint");
  std::string spaced = Written(kBest, {});
  spaced.insert(1, " ");
  EXPECT_EQ(Refusal(spaced), "cp:1: the header was changed");
}

TEST(Checkpoint, LargestRecordsFollowThePartsCountDown) {
  // d = 2 counts down from 13; part 2 of 3 searches 12, 9, 6, ...
  const std::string twelve = EmptyLargestUnitJson(2, 12);
  std::string error;
  const auto state = ReadCheckpointText(Written(kLargest, {twelve, EmptyLargestUnitJson(2, 9)}),
                                        "cp", kLargest, &error);
  ASSERT_TRUE(state) << error;
  EXPECT_EQ(state->units.largestEmpty.at(2).size(), 2u);
  EXPECT_EQ(Refusal(Written(kLargest, {EmptyLargestUnitJson(2, 13)}), kLargest),
            "cp:2: N = 13 at diameter 2 is not part of this search");
  const LargestRow row = FindLargest({2, 2, 2, {2, 3}}).at(0);
  const std::string answer = LargestUnitText(2, row.n, row.generators, 2);
  EXPECT_EQ(Refusal(Written(kLargest, {answer, twelve}), kLargest),
            "cp:3: a record after the answer for diameter 2");
}

// A diameter whose units are all recorded without an answer is complete:
// the count must be the number of vertex counts the part searches.
TEST(Checkpoint, LargestUnitCountIsThePartsShareOfTheCountDown) {
  for (std::int32_t k = 1; k <= 3; ++k) {
    for (std::int32_t count = 1; count <= 5; ++count) {
      for (std::int32_t index = 1; index <= count; ++index) {
        const SearchPart part = PartOf(LargestQuery{k, 1, 4, {index, count}});
        for (std::int32_t d = 1; d <= 4; ++d) {
          std::int32_t held = 0;
          for (std::int32_t n = 1; n <= *LargestBound(k, d) + count; ++n) {
            held += HoldsLargestN(part, d, n) ? 1 : 0;
          }
          EXPECT_EQ(LargestUnitCount(part, d), held)
              << k << " " << d << " " << index << "/" << count;
        }
      }
    }
  }
}

}  // namespace
}  // namespace circscan
