#include "core/svg_picture.h"

#include <cstdio>

namespace kestrun {
namespace {

std::string Hex(Rgb colour) {
  char text[8];
  std::snprintf(text, sizeof text, "#%02x%02x%02x", colour.r, colour.g, colour.b);
  return text;
}

std::string Escaped(const std::string& text) {
  std::string out;
  for (const char c : text) {
    switch (c) {
      case '&':
        out += "&amp;";
        break;
      case '<':
        out += "&lt;";
        break;
      case '>':
        out += "&gt;";
        break;
      case '"':
        out += "&quot;";
        break;
      default:
        out += c;
    }
  }
  return out;
}

std::string Rect(int x, int y, int width, int height, Rgb fill) {
  return "<rect x=\"" + std::to_string(x) + "\" y=\"" + std::to_string(y) + "\" width=\"" +
         std::to_string(width) + "\" height=\"" + std::to_string(height) + "\" fill=\"" +
         Hex(fill) + "\"/>\n";
}

}  // namespace

std::string PictureSvg(const std::vector<CanvasOp>& ops, int width, int height,
                       const SvgFont& font) {
  const std::string w = std::to_string(width);
  const std::string h = std::to_string(height);
  // Pixel-aligned fills and one-pixel lines, as on the screen.
  std::string svg =
      "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n"
      "<svg xmlns=\"http://www.w3.org/2000/svg\" width=\"" +
      w + "\" height=\"" + h + "\" viewBox=\"0 0 " + w + " " + h +
      "\" shape-rendering=\"crispEdges\" stroke-width=\"1\" font-family=\"" + Escaped(font.family) +
      "\" font-size=\"" + std::to_string(font.pixelSize) + "px\">\n";
  svg += Rect(0, 0, width, height, kWhite);
  int penX = 0;
  int penY = 0;
  // A one-pixel line through pixel centres covers the pixels the screen
  // shows; the shift keeps every coordinate as drawn.
  bool inLines = false;
  for (const CanvasOp& op : ops) {
    const bool line = op.kind == CanvasOp::Kind::Line;
    const bool visible = line || op.kind == CanvasOp::Kind::Fill || op.kind == CanvasOp::Kind::Text;
    if (visible && line != inLines) {
      svg += line ? "<g transform=\"translate(0.5 0.5)\">\n" : "</g>\n";
      inLines = line;
    }
    switch (op.kind) {
      case CanvasOp::Kind::Brush:
      case CanvasOp::Kind::Pen:
        break;
      case CanvasOp::Kind::Fill:
        if (op.x2 > op.x && op.y2 > op.y)
          svg += Rect(op.x, op.y, op.x2 - op.x, op.y2 - op.y, op.colour);
        break;
      case CanvasOp::Kind::Move:
        penX = op.x;
        penY = op.y;
        break;
      case CanvasOp::Kind::Line:
        svg += "<line x1=\"" + std::to_string(penX) + "\" y1=\"" + std::to_string(penY) +
               "\" x2=\"" + std::to_string(op.x) + "\" y2=\"" + std::to_string(op.y) +
               "\" stroke=\"" + Hex(op.colour) + "\"/>\n";
        penX = op.x;
        penY = op.y;
        break;
      case CanvasOp::Kind::Text:
        svg += Rect(op.x, op.y, font.width ? font.width(op.text) : 0, font.height, op.colour);
        svg += "<text x=\"" + std::to_string(op.x) + "\" y=\"" +
               std::to_string(op.y + font.ascent) + "\" fill=\"#000000\">" + Escaped(op.text) +
               "</text>\n";
        break;
    }
  }
  if (inLines) svg += "</g>\n";
  svg += "</svg>\n";
  return svg;
}

}  // namespace kestrun
