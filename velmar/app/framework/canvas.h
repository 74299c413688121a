// The drawing operations the ring picture is made of. The screen, the
// printer and the preview draw through a QPainter implementation; tests draw
// on a recording one and compare the exact sequence.
#pragma once

#include <cstdint>

namespace velmar {

struct CanvasPoint {
  int x = 0;
  int y = 0;
  friend bool operator==(const CanvasPoint&, const CanvasPoint&) = default;
};

struct Pen {
  enum class Style { Solid, None };
  Style style = Style::Solid;
  int width = 1;
  std::uint32_t rgb = 0;  // 0xRRGGBB
  friend bool operator==(const Pen&, const Pen&) = default;
};

class Canvas {
 public:
  virtual ~Canvas() = default;
  // Returns the pen that was selected before, so the caller can restore it.
  virtual Pen SelectPen(const Pen& pen) = 0;
  virtual void MoveTo(CanvasPoint point) = 0;
  // Draws from the current position; the point becomes the current position.
  virtual void LineTo(CanvasPoint point) = 0;
};

}  // namespace velmar
