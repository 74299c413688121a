#include <gtest/gtest.h>

#include <clocale>
#include <cstdint>
#include <cstdio>
#include <limits>
#include <random>
#include <string>
#include <utility>
#include <variant>
#include <vector>

#include "circulant.h"

namespace velmar {
namespace {

using List = std::vector<std::int32_t>;
constexpr std::int32_t F = DISTANCE_FAR;

CirculantModel Built(CirculantResult result) {
  EXPECT_TRUE(std::holds_alternative<CirculantModel>(result));
  auto* model = std::get_if<CirculantModel>(&result);
  return model ? std::move(*model) : CirculantModel{};
}

BuildError Error(const CirculantResult& result) {
  EXPECT_TRUE(std::holds_alternative<BuildError>(result));
  const auto* error = std::get_if<BuildError>(&result);
  return error ? *error : BuildError{};
}

List Row0(const CirculantModel& model) {
  if (model.distances.empty()) return {};
  const auto row = model.distances.row(0);
  return List(row.begin(), row.end());
}

struct Example {
  const char* vertices;
  const char* generators;
  List row0;  // empty when only D and AveD are known
  std::int32_t diameter;
  double averDiam;
  const char* averDiamText;
};

TEST(BuildCirculant, WorkedExamples) {
  const Example examples[] = {
      {"8", "1 2", {0, 1, 1, 2, 2, 2, 1, 1}, 2, 10.0 / 7, "  1.42857"},
      {"9", "1 3", {0, 1, 2, 1, 2, 2, 1, 2, 1}, 2, 1.5, "  1.50000"},
      {"12", "3 4", {0, 2, 3, 1, 1, 2, 2, 2, 1, 1, 3, 2}, 3, 20.0 / 11, "  1.81818"},
      {"16", "1 4", {}, 3, 2.0, "  2.00000"},
      {"5", "1", {0, 1, 2, 2, 1}, 2, 1.5, "  1.50000"},
      {"10", "1", {0, 1, 2, 3, 4, F, 4, 3, 2, 1}, F, (20.0 + F) / 9, "238609296.33333"},
      {"20", "1", {}, F, (20.0 + 11.0 * F) / 19, "1243280007.21053"},
      {"8", "2 3 0", {0, 2, 1, 1, 2, 1, 1, 2}, 2, 10.0 / 7, "  1.42857"},
      {"2", "1", {0, 1}, 1, 1.0, "  1.00000"},
  };
  for (const auto& e : examples) {
    SCOPED_TRACE(std::string("N=") + e.vertices + " generators=" + e.generators);
    const auto model = Built(BuildCirculant(e.vertices, e.generators));
    if (!e.row0.empty()) {
      EXPECT_EQ(Row0(model), e.row0);
    }
    EXPECT_EQ(model.diameter, e.diameter);
    EXPECT_DOUBLE_EQ(model.averDiam, e.averDiam);
    EXPECT_EQ(FormatAverDiam(model.averDiam), e.averDiamText);
  }
}

TEST(BuildCirculant, TheRingOfTwentyIsFarFromFiveToFifteen) {
  const auto model = Built(BuildCirculant("20", "1"));
  for (std::int32_t j = 0; j < 20; ++j) {
    EXPECT_EQ(model.distances.at(0, j) == F, j >= 5 && j <= 15) << j;
  }
}

TEST(BuildCirculant, LoopsStayOffTheDistanceDiagonal) {
  for (const char* generators : {"2 3 0", "1 8"}) {
    const auto model = Built(BuildCirculant("8", generators));
    for (std::int32_t v = 0; v < 8; ++v) {
      EXPECT_EQ(model.adjacency.at(v, v), 1);
      EXPECT_EQ(model.distances.at(v, v), 0);
    }
  }
}

TEST(BuildCirculant, KeepsTheGeneratorsAsTyped) {
  const auto model = Built(BuildCirculant(" 08", "  1   3  "));
  EXPECT_EQ(model.vertexCount, 8);
  EXPECT_EQ(model.generators, List({1, 3}));
  EXPECT_EQ(model.adjacency.size(), 8);
  EXPECT_EQ(model.distances.size(), 8);
}

TEST(BuildCirculant, AcceptsCoprimeGeneratorLists) {
  for (const char* generators : {"1 3", "4 1", "2 3 0", "1 8", "1,3", "-1", "3 5", "9"}) {
    EXPECT_TRUE(std::holds_alternative<CirculantModel>(BuildCirculant("8", generators)))
        << generators;
  }
  EXPECT_EQ(Built(BuildCirculant("8", "1,3")).adjacency, BuildAdjacency(8, {1}));
  EXPECT_EQ(Built(BuildCirculant("10", "-1")).adjacency,
            Built(BuildCirculant("10", "1")).adjacency);
  EXPECT_EQ(Built(BuildCirculant("10", "1 1")).adjacency,
            Built(BuildCirculant("10", "1")).adjacency);
}

TEST(BuildCirculant, RejectsGeneratorsSharingADivisorWithN) {
  const std::pair<const char*, const char*> rejected[] = {
      {"8", "2 4"}, {"8", "4"},   {"6", "3"}, {"8", "0 1"},   {"8", "1 0"},
      {"8", ""},    {"8", "   "}, {"8", "x"}, {"12", "-3 9"}, {"8", "1 \t 3"},
  };
  for (const auto& [vertices, generators] : rejected) {
    EXPECT_EQ(Error(BuildCirculant(vertices, generators)), BuildError::GeneratorError)
        << vertices << " / \"" << generators << '"';
  }
}

TEST(BuildCirculant, RejectsVertexCountsOutsideTwoToTheCap) {
  for (const char* vertices : {"abc", "", "0", "-0", "-1", "-9", "1", "4097", "2147483648",
                               "-2147483649", "99999999999"}) {
    EXPECT_EQ(Error(BuildCirculant(vertices, "1")), BuildError::VertexCountError)
        << '"' << vertices << '"';
  }
}

TEST(BuildCirculant, VertexCountErrorComesBeforeAnyGeneratorError) {
  EXPECT_EQ(Error(BuildCirculant("0", "")), BuildError::VertexCountError);
  EXPECT_EQ(Error(BuildCirculant("1", "99999999999")), BuildError::VertexCountError);
  EXPECT_EQ(Error(BuildCirculant("x", "2 4")), BuildError::VertexCountError);
}

TEST(BuildCirculant, RejectsAGeneratorBeyond32Bits) {
  EXPECT_EQ(Error(BuildCirculant("8", "1 2147483648")), BuildError::GeneratorError);
  EXPECT_EQ(Error(BuildCirculant("8", "-2147483649")), BuildError::GeneratorError);
}

TEST(BuildCirculant, GeneratorsAtThe32BitLimitsBuildNormally) {
  // 2147483647 = 1 and -2147483648 = 7 (mod 9); the two are coprime.
  const auto model = Built(BuildCirculant("9", "2147483647 -2147483648"));
  EXPECT_EQ(model.adjacency, BuildAdjacency(9, {1, 7}));
}

TEST(BuildCirculant, MoreGeneratorsThanVerticesAreKeptAndChangeNothing) {
  const auto model = Built(BuildCirculant("3", "1 1 1 1 1 2 -1 4 7"));
  EXPECT_EQ(model.generators.size(), 9u);
  EXPECT_EQ(model.adjacency, Built(BuildCirculant("3", "1")).adjacency);
  EXPECT_EQ(model.diameter, 1);
}

TEST(BuildCirculant, TheVertexCapBuilds) {
  const auto model = Built(BuildCirculant("4096", "1 64"));
  EXPECT_EQ(model.distances.size(), kMaxVertexCount);
  EXPECT_EQ(model.diameter, F);
  EXPECT_EQ(model.distances.at(4095, 0), 1);
  EXPECT_EQ(model.distances.at(0, 128 + 2), 4);
}

TEST(Metrics, ReadRowZeroOnly) {
  DistanceMatrix d(3, 0);
  d.at(0, 1) = 2;
  d.at(0, 2) = 1;
  d.at(1, 2) = F;
  d.at(2, 1) = F;
  EXPECT_EQ(ComputeDiameter(d), 2);
  EXPECT_DOUBLE_EQ(ComputeAverDiam(d), 1.5);
}

TEST(Metrics, SumsFarEntriesExactly) {
  DistanceMatrix d(kMaxVertexCount, F);
  d.at(0, 0) = 0;
  const double expected =
      static_cast<double>(std::int64_t{F} * (kMaxVertexCount - 1)) / (kMaxVertexCount - 1);
  EXPECT_EQ(ComputeAverDiam(d), expected);
  EXPECT_EQ(ComputeDiameter(d), F);
}

TEST(Metrics, TooFewVerticesGiveZeroNotADivisionByZero) {
  EXPECT_EQ(ComputeAverDiam(DistanceMatrix{}), 0.0);
  EXPECT_EQ(ComputeAverDiam(DistanceMatrix(1, 0)), 0.0);
  EXPECT_EQ(ComputeDiameter(DistanceMatrix{}), 0);
}

std::string Printf9_5(double value) {
  char text[64];
  std::snprintf(text, sizeof text, "%9.5f", value);
  return text;
}

TEST(FormatAverDiam, MatchesPrintf) {
  std::vector<double> values = {0.0,
                                1.0,
                                10.0 / 7,
                                1.5,
                                20.0 / 11,
                                0.000005,
                                0.000015,
                                0.0000049,
                                2.5e-6,
                                99999.999995,
                                123.456785,
                                (20.0 + F) / 9,
                                (20.0 + 11.0 * F) / 19,
                                2147483647.0,
                                1e-300,
                                -1.25,
                                12345.678915};
  std::mt19937 random(3);
  std::uniform_real_distribution<double> any(0.0, 3.0e9);
  for (int i = 0; i < 2000; ++i) values.push_back(any(random));
  for (std::int32_t n = 2; n <= 99; ++n) {
    for (std::int64_t sum = 0; sum <= 4 * 99; sum += 7) values.push_back(double(sum) / (n - 1));
  }
  for (const double v : values) EXPECT_EQ(FormatAverDiam(v), Printf9_5(v)) << v;
}

// A GUI toolkit may switch the process to the user's locale, where printf
// would write a decimal comma.
TEST(FormatAverDiam, KeepsTheDecimalPointInADecimalCommaLocale) {
  const char* found = nullptr;
  for (const char* name : {"ru_RU.UTF-8", "de_DE.UTF-8", "fr_FR.UTF-8"}) {
    if (std::setlocale(LC_NUMERIC, name) != nullptr) {
      found = name;
      break;
    }
  }
  if (found == nullptr) GTEST_SKIP() << "no decimal-comma locale installed";
  const std::string text = FormatAverDiam(10.0 / 7);
  std::setlocale(LC_NUMERIC, "C");
  EXPECT_EQ(text, "  1.42857") << found;
}

}  // namespace
}  // namespace velmar
