// The routing table against a brute force that knows nothing of the tree:
// every step vector, shortest first, and the rule picked among the shortest.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <cstdlib>
#include <functional>
#include <random>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "circulant.h"
#include "routes.h"
#include "routes_report.h"
#include "search.h"

namespace circscan {
namespace {

using List = std::vector<std::int32_t>;

// What the table must prefer among shortest routes: the most steps of +s1,
// then of -s1, then of +s2, -s2, ...
std::vector<std::int32_t> Preference(const List& steps) {
  std::vector<std::int32_t> key;
  for (const std::int32_t x : steps) {
    key.push_back(std::max(x, 0));
    key.push_back(std::max(-x, 0));
  }
  return key;
}

// Every vector with |x1| + ... + |xk| = hops, in no particular order.
void VectorsOfLength(std::size_t i, std::int32_t left, List& x,
                     const std::function<void(const List&)>& visit) {
  if (i + 1 == x.size()) {
    for (const std::int32_t last : {left, -left}) {
      x[i] = last;
      visit(x);
      if (left == 0) break;
    }
    return;
  }
  for (std::int32_t a = -left; a <= left; ++a) {
    x[i] = a;
    VectorsOfLength(i + 1, left - std::abs(a), x, visit);
  }
}

// For each residue, the preferred of the shortest vectors that sum to it.
std::vector<List> BruteForceRoutes(std::int32_t n, const List& generators) {
  std::vector<List> best(static_cast<std::size_t>(n));
  std::vector<bool> found(static_cast<std::size_t>(n), false);
  std::int32_t reached = 0;
  List x(generators.size());
  for (std::int32_t hops = 0; reached < n; ++hops) {
    std::vector<bool> now(static_cast<std::size_t>(n), false);
    VectorsOfLength(0, hops, x, [&](const List& v) {
      std::int64_t sum = 0;
      for (std::size_t i = 0; i < v.size(); ++i) sum += std::int64_t{v[i]} * generators[i];
      const auto t = static_cast<std::size_t>((sum % n + n) % n);
      if (found[t] && !now[t]) return;
      if (!now[t] || Preference(v) > Preference(best[t])) best[t] = v;
      now[t] = true;
    });
    for (std::size_t t = 0; t < now.size(); ++t) {
      if (now[t] && !found[t]) found[t] = true, ++reached;
    }
  }
  return best;
}

// Generator lists as users type them: either sign, beyond N, 0, repeats.
List RawGenerators(std::mt19937& random, std::int32_t n) {
  const int k = std::uniform_int_distribution<int>(1, 4)(random);
  List raw;
  for (int i = 0; i < k; ++i)
    raw.push_back(std::uniform_int_distribution<int>(-2 * n, 2 * n)(random));
  return raw;
}

TEST(Routes, EveryRouteIsThePreferredShortestOneOfTheBruteForce) {
  std::mt19937 random(20261210);
  int tables = 0;
  for (std::int32_t n = 2; n <= 40; ++n) {
    std::vector<List> lists;
    for (std::int32_t a = 1; a <= n / 2; ++a) {
      lists.push_back({a});
      for (std::int32_t b = a + 1; b <= n / 2; ++b) lists.push_back({a, b});
    }
    for (int i = 0; i < 60; ++i) lists.push_back(RawGenerators(random, n));
    for (const List& raw : lists) {
      std::string expectedError;
      std::string error;
      const auto analysis = Analyze(n, raw, &expectedError);
      const auto table = RouteTable::Build(n, raw, &error);
      ASSERT_EQ(table.has_value(), analysis.has_value()) << n;
      if (!table) {
        EXPECT_EQ(error, expectedError);
        continue;
      }
      ASSERT_EQ(table->generators(), analysis->generators);
      const auto expected = BruteForceRoutes(n, table->generators());
      const auto distances = velmar::ExactDistancesFromZero(n, table->generators());
      List steps(table->generators().size());
      List most(2 * steps.size(), 0);
      for (std::int32_t t = 0; t < n; ++t) {
        const std::int32_t hops = table->Route(t, steps);
        ASSERT_EQ(steps, expected[static_cast<std::size_t>(t)]) << n << " to " << t;
        ASSERT_EQ(hops, distances[static_cast<std::size_t>(t)]);
        const auto key = Preference(steps);
        for (std::size_t l = 0; l < key.size(); ++l) most[l] = std::max(most[l], key[l]);
      }
      EXPECT_EQ(table->diameter(), analysis->diameter);
      for (std::size_t l = 0; l < most.size(); ++l) {
        EXPECT_EQ(table->MostSteps(l / 2, l % 2 == 1), most[l]) << n;
      }
      ++tables;
    }
  }
  EXPECT_GT(tables, 3000);
}

// A route without its last step, in generator order, is the route of the
// vertex before: the table is one tree, which a router can follow hop by hop.
TEST(Routes, ARouteWithoutItsLastStepIsTheRouteOfTheVertexBefore) {
  for (const auto& [n, generators] : std::vector<std::pair<std::int32_t, List>>{
           {1000000, {1, 1000}}, {999983, {3, 77777, 400000}}, {100, {1, 10, 50}}}) {
    const auto table = RouteTable::Build(n, generators, nullptr);
    ASSERT_TRUE(table);
    ASSERT_EQ(table->generators(), generators);
    const auto distances = velmar::ExactDistancesFromZero(n, generators);
    List steps(generators.size());
    List before(generators.size());
    for (std::int32_t t = 1; t < n; t += t < 2000 ? 1 : 997) {
      ASSERT_EQ(table->Route(t, steps), distances[static_cast<std::size_t>(t)]);
      std::int64_t sum = 0;
      for (std::size_t i = 0; i < steps.size(); ++i) sum += std::int64_t{steps[i]} * generators[i];
      ASSERT_EQ((sum % n + n) % n, t);
      std::size_t last = steps.size() - 1;
      while (steps[last] == 0) --last;
      const std::int32_t sign = steps[last] > 0 ? 1 : -1;
      steps[last] -= sign;
      const auto u =
          static_cast<std::int32_t>(((t - std::int64_t{sign} * generators[last]) % n + n) % n);
      table->Route(u, before);
      ASSERT_EQ(before, steps) << n << " to " << t;
    }
  }
}

TEST(Routes, EachFormatWritesTheSameRows) {
  const auto table = RouteTable::Build(8, {9, 12, -1}, nullptr);
  ASSERT_TRUE(table);
  const auto written = [&](Format format) {
    std::string out;
    WriteRoutes(*table, format, [&](std::string_view piece) { out += piece; });
    return out;
  };
  EXPECT_EQ(written(Format::kTable),
            "destination  hops  +-1  +-4\n"
            "          0     0    0    0\n"
            "          1     1    1    0\n"
            "          2     2    2    0\n"
            "          3     2   -1    1\n"
            "          4     1    0    1\n"
            "          5     2    1    1\n"
            "          6     2   -2    0\n"
            "          7     1   -1    0\n");
  EXPECT_EQ(written(Format::kCsv),
            "destination,hops,steps\n0,0,0 0\n1,1,1 0\n2,2,2 0\n3,2,-1 1\n4,1,0 1\n5,2,1 1\n"
            "6,2,-2 0\n7,1,-1 0\n");
  EXPECT_EQ(written(Format::kJson),
            "{\"destination\":0,\"hops\":0,\"steps\":[0,0]}\n"
            "{\"destination\":1,\"hops\":1,\"steps\":[1,0]}\n"
            "{\"destination\":2,\"hops\":2,\"steps\":[2,0]}\n"
            "{\"destination\":3,\"hops\":2,\"steps\":[-1,1]}\n"
            "{\"destination\":4,\"hops\":1,\"steps\":[0,1]}\n"
            "{\"destination\":5,\"hops\":2,\"steps\":[1,1]}\n"
            "{\"destination\":6,\"hops\":2,\"steps\":[-2,0]}\n"
            "{\"destination\":7,\"hops\":1,\"steps\":[-1,0]}\n");
}

}  // namespace
}  // namespace circscan
