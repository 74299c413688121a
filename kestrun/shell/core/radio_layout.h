// Where a radio group puts its items: one column of equal rows below the
// caption, as the form toolkit arranges them whatever the group's size.
#pragma once

#include <vector>

namespace kestrun {

struct ItemBox {
  int left = 0;
  int top = 0;
  int width = 0;
  int height = 0;
  bool operator==(const ItemBox&) const = default;
};

// The rows share the height left under a caption of `textHeight` pixels and
// a small bottom margin; the pixels that do not divide evenly go half above
// the first row. Items start 8 pixels in and end 2 before the right edge.
std::vector<ItemBox> RadioItemBoxes(int groupWidth, int groupHeight, int textHeight, int count);

}  // namespace kestrun
