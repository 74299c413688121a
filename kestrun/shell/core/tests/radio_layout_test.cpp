// The rows of a radio group: the three groups of the wizard, the leftover
// pixels, and groups too small or empty.
#include <gtest/gtest.h>

#include "core/radio_layout.h"

namespace {

using kestrun::ItemBox;
using kestrun::RadioItemBoxes;

constexpr int kTextHeight = 13;

TEST(RadioLayout, ThreeItemsInTheCubeWindowsSmallGroup) {
  // 65 - 13 - 5 = 47 pixels: rows of 15, the 2 left over split above and below.
  EXPECT_EQ(RadioItemBoxes(81, 65, kTextHeight, 3),
            (std::vector<ItemBox>{{8, 15, 71, 15}, {8, 30, 71, 15}, {8, 45, 71, 15}}));
}

TEST(RadioLayout, ThreeItemsInTheFirstWindow) {
  EXPECT_EQ(RadioItemBoxes(153, 81, kTextHeight, 3),
            (std::vector<ItemBox>{{8, 14, 143, 21}, {8, 35, 143, 21}, {8, 56, 143, 21}}));
}

TEST(RadioLayout, FiveItemsInTheCirculantWindow) {
  const std::vector<ItemBox> boxes = RadioItemBoxes(89, 137, kTextHeight, 5);
  ASSERT_EQ(boxes.size(), 5u);
  EXPECT_EQ(boxes.front(), (ItemBox{8, 16, 79, 23}));
  EXPECT_EQ(boxes.back(), (ItemBox{8, 108, 79, 23}));
}

TEST(RadioLayout, RowsFollowOneAnotherAndStayInsideTheGroup) {
  for (int height = 20; height <= 200; ++height) {
    for (int count = 1; count <= 6; ++count) {
      const std::vector<ItemBox> boxes = RadioItemBoxes(100, height, kTextHeight, count);
      ASSERT_EQ(boxes.size(), static_cast<std::size_t>(count));
      for (int i = 1; i < count; ++i) EXPECT_EQ(boxes[i].top, boxes[i - 1].top + boxes[i].height);
      EXPECT_GT(boxes.front().top, kTextHeight);
      EXPECT_LE(boxes.back().top + boxes.back().height, height - 4) << height << " " << count;
    }
  }
}

TEST(RadioLayout, NoItemsAndNoRoom) {
  EXPECT_TRUE(RadioItemBoxes(81, 65, kTextHeight, 0).empty());
  for (const ItemBox& box : RadioItemBoxes(81, 10, kTextHeight, 3)) EXPECT_EQ(box.height, 0);
}

}  // namespace
