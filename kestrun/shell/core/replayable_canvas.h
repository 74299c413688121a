// A canvas that hands every operation on to the canvas that paints, and keeps
// the operations that still show in the picture, so that the same picture can
// be painted again (at another pixel density) or written out as vector data.
#pragma once

#include <vector>

#include "core/canvas.h"
#include "core/recording_canvas.h"

namespace kestrun {

class ReplayableCanvas : public Canvas {
 public:
  // width x height: the picture's size; a fill that covers it hides
  // everything drawn before, which is then forgotten.
  ReplayableCanvas(Canvas& target, int width, int height);

  void SetBrushColor(Rgb colour) override;
  void SetPenColor(Rgb colour) override;
  Rgb BrushColor() const override { return target_.BrushColor(); }
  Rgb PenColor() const override { return target_.PenColor(); }
  void FillRect(int left, int top, int right, int bottom) override;
  void MoveTo(int x, int y) override;
  void LineTo(int x, int y) override;
  void TextOut(int x, int y, const std::string& text) override;

  // Replayed in order on a canvas that starts white with a black pen at
  // (0, 0), these paint the picture as it is now.
  const std::vector<CanvasOp>& Operations() const { return kept_.ops(); }

 private:
  Canvas& target_;
  int width_;
  int height_;
  int penX_ = 0;
  int penY_ = 0;
  RecordingCanvas kept_;
};

// Issues the operations on `canvas`, in order.
void Replay(const std::vector<CanvasOp>& ops, Canvas& canvas);

}  // namespace kestrun
