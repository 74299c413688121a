// A canvas that keeps every operation, for tests that compare drawings.
#pragma once

#include <string>
#include <vector>

#include "core/canvas.h"

namespace kestrun {

struct CanvasOp {
  enum class Kind { Brush, Pen, Fill, Move, Line, Text };
  Kind kind;
  int x = 0;   // Fill: left; Brush/Pen: unused
  int y = 0;   // Fill: top
  int x2 = 0;  // Fill: right
  int y2 = 0;  // Fill: bottom
  Rgb colour;  // Brush/Pen: the colour set; Line: the pen in force
  std::string text;
  friend bool operator==(const CanvasOp&, const CanvasOp&) = default;
};

class RecordingCanvas : public Canvas {
 public:
  void SetBrushColor(Rgb colour) override {
    brush_ = colour;
    ops_.push_back({CanvasOp::Kind::Brush, 0, 0, 0, 0, colour, {}});
  }
  void SetPenColor(Rgb colour) override {
    pen_ = colour;
    ops_.push_back({CanvasOp::Kind::Pen, 0, 0, 0, 0, colour, {}});
  }
  Rgb BrushColor() const override { return brush_; }
  Rgb PenColor() const override { return pen_; }
  void FillRect(int left, int top, int right, int bottom) override {
    ops_.push_back({CanvasOp::Kind::Fill, left, top, right, bottom, brush_, {}});
  }
  void MoveTo(int x, int y) override {
    ops_.push_back({CanvasOp::Kind::Move, x, y, 0, 0, pen_, {}});
  }
  void LineTo(int x, int y) override {
    ops_.push_back({CanvasOp::Kind::Line, x, y, 0, 0, pen_, {}});
  }
  void TextOut(int x, int y, const std::string& text) override {
    ops_.push_back({CanvasOp::Kind::Text, x, y, 0, 0, brush_, text});
  }

  const std::vector<CanvasOp>& ops() const { return ops_; }
  void clear() { ops_.clear(); }

 private:
  Rgb brush_ = kWhite;
  Rgb pen_ = kBlack;
  std::vector<CanvasOp> ops_;
};

}  // namespace kestrun
