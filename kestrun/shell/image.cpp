#include "image.h"

#include <QPainter>

namespace kestrun {

Image::Image(QWidget* parent, const QRect& rect)
    : QWidget(parent),
      picture_(rect.size(), QImage::Format_RGB32),
      canvas_(picture_, [this] { update(); }) {
  setGeometry(rect);
  picture_.fill(Qt::white);
}

void Image::paintEvent(QPaintEvent* /*event*/) {
  QPainter painter(this);
  painter.drawImage(0, 0, picture_);
}

}  // namespace kestrun
