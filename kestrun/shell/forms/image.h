// A drawing surface that keeps its picture, a white image of its own size.
// The picture is kept at the screen's pixel density, while everything drawn
// on it is placed in the control's own pixels; the drawing is kept as well,
// so that a move to a screen of another density paints it again sharply.
#pragma once

#include <QImage>
#include <QWidget>
#include <vector>

#include "core/replayable_canvas.h"
#include "forms/imagecanvas.h"

namespace kestrun {

class Image : public QWidget {
 public:
  Image(QWidget* parent, const QRect& rect);

  Canvas& canvas() { return replayable_; }
  const QImage& picture() const { return picture_; }
  // Hands every drawing operation on to `observer` as well; null detaches.
  void SetObserver(Canvas* observer) { canvas_.SetObserver(observer); }

  // The operations that paint the picture as it is now, on a white start.
  const std::vector<CanvasOp>& Operations() const { return replayable_.Operations(); }
  // The picture's size in the control's own pixels.
  QSize PictureSize() const { return logicalSize_; }
  // Paints the kept drawing again into a picture of the given density.
  void RenderAt(qreal devicePixelRatio);
  // Follows the density of the screen the control is on now.
  void FollowScreen();

 protected:
  bool event(QEvent* event) override;
  void paintEvent(QPaintEvent* event) override;

 private:
  QSize logicalSize_;
  QImage picture_;
  ImageCanvas canvas_;
  ReplayableCanvas replayable_;
};

// A white picture of `size` control pixels at the given density.
QImage BlankPicture(QSize size, qreal devicePixelRatio);

}  // namespace kestrun
