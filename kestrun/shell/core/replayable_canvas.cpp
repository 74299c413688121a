#include "core/replayable_canvas.h"

namespace kestrun {

ReplayableCanvas::ReplayableCanvas(Canvas& target, int width, int height)
    : target_(target), width_(width), height_(height) {}

void ReplayableCanvas::SetBrushColor(Rgb colour) {
  target_.SetBrushColor(colour);
  kept_.SetBrushColor(colour);
}

void ReplayableCanvas::SetPenColor(Rgb colour) {
  target_.SetPenColor(colour);
  kept_.SetPenColor(colour);
}

void ReplayableCanvas::FillRect(int left, int top, int right, int bottom) {
  target_.FillRect(left, top, right, bottom);
  if (left <= 0 && top <= 0 && right >= width_ && bottom >= height_) {
    // Nothing drawn so far can show any more; the state it left behind is
    // all a replay needs.
    const Rgb brush = kept_.BrushColor();
    const Rgb pen = kept_.PenColor();
    kept_.clear();
    kept_.SetBrushColor(brush);
    kept_.SetPenColor(pen);
    kept_.MoveTo(penX_, penY_);
  }
  kept_.FillRect(left, top, right, bottom);
}

void ReplayableCanvas::MoveTo(int x, int y) {
  target_.MoveTo(x, y);
  kept_.MoveTo(x, y);
  penX_ = x;
  penY_ = y;
}

void ReplayableCanvas::LineTo(int x, int y) {
  target_.LineTo(x, y);
  kept_.LineTo(x, y);
  penX_ = x;
  penY_ = y;
}

void ReplayableCanvas::TextOut(int x, int y, const std::string& text) {
  target_.TextOut(x, y, text);
  kept_.TextOut(x, y, text);
}

void Replay(const std::vector<CanvasOp>& ops, Canvas& canvas) {
  for (const CanvasOp& op : ops) {
    switch (op.kind) {
      case CanvasOp::Kind::Brush:
        canvas.SetBrushColor(op.colour);
        break;
      case CanvasOp::Kind::Pen:
        canvas.SetPenColor(op.colour);
        break;
      case CanvasOp::Kind::Fill:
        canvas.FillRect(op.x, op.y, op.x2, op.y2);
        break;
      case CanvasOp::Kind::Move:
        canvas.MoveTo(op.x, op.y);
        break;
      case CanvasOp::Kind::Line:
        canvas.LineTo(op.x, op.y);
        break;
      case CanvasOp::Kind::Text:
        canvas.TextOut(op.x, op.y, op.text);
        break;
    }
  }
}

}  // namespace kestrun
