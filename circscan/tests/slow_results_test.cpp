#include <gtest/gtest.h>

#include "reference_search.h"
#include "search.h"

namespace circscan {
namespace {

TEST(KnownResults, LargestDegreeSixCirculantOfDiameter7Has515Vertices) {
  const auto rows = FindLargest({3, 7, 7, {}});
  ASSERT_EQ(rows.size(), 1u);
  EXPECT_EQ(rows.front().n, 515);
}

// The cases where the first search takes seconds to a quarter of a minute.
TEST(AgainstReference, LargestAtTheLongerDiameters) {
  for (const LargestQuery query : {LargestQuery{3, 7, 7, {}}, LargestQuery{4, 4, 4, {}}}) {
    EXPECT_EQ(FindLargest(query), reference::FindLargest(query)) << "k=" << query.k;
  }
}

}  // namespace
}  // namespace circscan
