#include "core/radio_layout.h"

#include <algorithm>

namespace kestrun {
namespace {

constexpr int kItemLeft = 8;
constexpr int kItemRightMargin = 2;
constexpr int kCaptionGap = 1;    // between the caption's text and the first row
constexpr int kBottomMargin = 4;  // below the last row

}  // namespace

std::vector<ItemBox> RadioItemBoxes(int groupWidth, int groupHeight, int textHeight, int count) {
  std::vector<ItemBox> boxes;
  if (count <= 0) return boxes;
  const int room = std::max(groupHeight - textHeight - kCaptionGap - kBottomMargin, 0);
  const int rowHeight = room / count;
  const int top = textHeight + kCaptionGap + (room % count) / 2;
  for (int i = 0; i < count; ++i)
    boxes.push_back(
        {kItemLeft, top + i * rowHeight, groupWidth - kItemLeft - kItemRightMargin, rowHeight});
  return boxes;
}

}  // namespace kestrun
