// A picture's drawing operations as an SVG document: every line, fill and
// label keeps the pixel coordinates it was drawn with.
#pragma once

#include <functional>
#include <string>
#include <vector>

#include "core/recording_canvas.h"

namespace kestrun {

// The label font as the screen draws it: the opaque box behind a label is
// width(text) x height, its baseline `ascent` below the top.
struct SvgFont {
  std::string family;
  int pixelSize = 11;
  int height = 13;
  int ascent = 10;
  std::function<int(const std::string&)> width;
};

// The picture starts white; operations outside it are kept as drawn.
std::string PictureSvg(const std::vector<CanvasOp>& ops, int width, int height,
                       const SvgFont& font);

}  // namespace kestrun
