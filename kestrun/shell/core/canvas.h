// The drawing operations the wizard's pictures are made of. Windows draw on a
// Qt image through this interface; tests draw on a recording canvas and
// compare the exact sequence of operations.
#pragma once

#include <cstdint>
#include <string>

namespace kestrun {

struct Rgb {
  std::uint8_t r = 0;
  std::uint8_t g = 0;
  std::uint8_t b = 0;
  friend bool operator==(const Rgb&, const Rgb&) = default;
};

inline constexpr Rgb kWhite{255, 255, 255};
inline constexpr Rgb kBlack{0, 0, 0};
inline constexpr Rgb kRed{255, 0, 0};

class Canvas {
 public:
  virtual ~Canvas() = default;

  virtual void SetBrushColor(Rgb colour) = 0;
  virtual void SetPenColor(Rgb colour) = 0;
  virtual Rgb BrushColor() const = 0;
  virtual Rgb PenColor() const = 0;
  // Fills [left, right) x [top, bottom) with the brush colour.
  virtual void FillRect(int left, int top, int right, int bottom) = 0;
  virtual void MoveTo(int x, int y) = 0;
  // Draws with the pen from the current position; (x, y) becomes current.
  virtual void LineTo(int x, int y) = 0;
  // Text with its top-left corner at (x, y), opaque on the brush colour.
  virtual void TextOut(int x, int y, const std::string& text) = 0;
};

}  // namespace kestrun
