// One wire-frame unit cell of the generalized cube drawing, placed with its
// lower front-left corner at an origin point.
#pragma once

#include <array>
#include <memory>

#include "core/canvas.h"

namespace kestrun {

struct Point {
  int x = 0;
  int y = 0;
  friend bool operator==(const Point&, const Point&) = default;
};

class TMyKub {
 public:
  // Only remembers the origin; drawing waits for DrawKub.
  TMyKub(int originX, int originY);

  // P0..P3 are the lower face (P1 along the first axis, P2 along the receding
  // axis, P3 along both); P4..P7 are the same corners one vertical step up.
  // The steps come from the current projection constants.
  std::array<Point, 8> Corners() const;

  // Leaves the canvas with a white brush and a black pen.
  void DrawKub(Canvas& canvas) const;

  int OriginX;
  int OriginY;
};

// The latest glyph of the generalized cube drawing; every new glyph replaces
// (and so releases) the previous one.
extern std::unique_ptr<TMyKub> LastKub;

}  // namespace kestrun
