// The canvas of an image control: draws on a QImage that keeps the picture.
#pragma once

#include <QImage>
#include <functional>

#include "core/canvas.h"

namespace kestrun {

class ImageCanvas : public Canvas {
 public:
  // changed runs after every operation that alters the picture.
  ImageCanvas(QImage& picture, std::function<void()> changed);

  void SetBrushColor(Rgb colour) override;
  void SetPenColor(Rgb colour) override;
  Rgb BrushColor() const override { return brush_; }
  Rgb PenColor() const override { return pen_; }
  void FillRect(int left, int top, int right, int bottom) override;
  void MoveTo(int x, int y) override;
  void LineTo(int x, int y) override;
  void TextOut(int x, int y, const std::string& text) override;

  // Every operation is also handed on to the observer (tests record them).
  void SetObserver(Canvas* observer) { observer_ = observer; }

 private:
  QImage& picture_;
  std::function<void()> changed_;
  Canvas* observer_ = nullptr;
  Rgb brush_ = kWhite;
  Rgb pen_ = kBlack;
  int penX_ = 0;
  int penY_ = 0;
};

}  // namespace kestrun
