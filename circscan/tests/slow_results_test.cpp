#include <gtest/gtest.h>

#include "search.h"

namespace circscan {
namespace {

TEST(KnownResults, LargestDegreeSixCirculantOfDiameter7Has515Vertices) {
  const auto rows = FindLargest({3, 7, 7, {}});
  ASSERT_EQ(rows.size(), 1u);
  EXPECT_EQ(rows.front().n, 515);
}

}  // namespace
}  // namespace circscan
