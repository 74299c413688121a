// A drawing surface that keeps its picture, a white image of its own size.
#pragma once

#include <QImage>
#include <QWidget>

#include "imagecanvas.h"

namespace kestrun {

class Image : public QWidget {
 public:
  Image(QWidget* parent, const QRect& rect);

  Canvas& canvas() { return canvas_; }
  const QImage& picture() const { return picture_; }
  // Hands every drawing operation on to `observer` as well; null detaches.
  void SetObserver(Canvas* observer) { canvas_.SetObserver(observer); }

 protected:
  void paintEvent(QPaintEvent* event) override;

 private:
  QImage picture_;
  ImageCanvas canvas_;
};

}  // namespace kestrun
