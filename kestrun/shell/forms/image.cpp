#include "forms/image.h"

#include <QEvent>
#include <QPainter>
#include <cmath>

namespace kestrun {

QImage BlankPicture(QSize size, qreal devicePixelRatio) {
  const QSize pixels(static_cast<int>(std::ceil(size.width() * devicePixelRatio)),
                     static_cast<int>(std::ceil(size.height() * devicePixelRatio)));
  QImage picture(pixels, QImage::Format_RGB32);
  picture.setDevicePixelRatio(devicePixelRatio);
  picture.fill(Qt::white);
  return picture;
}

Image::Image(QWidget* parent, const QRect& rect)
    : QWidget(parent),
      logicalSize_(rect.size()),
      picture_(BlankPicture(rect.size(), devicePixelRatioF())),
      canvas_(picture_, [this] { update(); }),
      replayable_(canvas_, rect.width(), rect.height()) {
  setGeometry(rect);
}

void Image::RenderAt(qreal devicePixelRatio) {
  if (!(devicePixelRatio > 0)) return;
  QImage fresh = BlankPicture(logicalSize_, devicePixelRatio);
  // A canvas of its own: the observer sees only what the windows draw.
  ImageCanvas painter(fresh, [] {});
  Replay(replayable_.Operations(), painter);
  picture_ = std::move(fresh);
  update();
}

void Image::FollowScreen() {
  const qreal ratio = devicePixelRatioF();
  if (ratio != picture_.devicePixelRatio()) RenderAt(ratio);
}

bool Image::event(QEvent* event) {
  switch (event->type()) {
    case QEvent::ScreenChangeInternal:
#if QT_VERSION >= QT_VERSION_CHECK(6, 6, 0)
    case QEvent::DevicePixelRatioChange:
#endif
      FollowScreen();
      break;
    default:
      break;
  }
  return QWidget::event(event);
}

void Image::paintEvent(QPaintEvent* /*event*/) {
  // A change of scale on the same screen reaches the control only as a repaint.
  FollowScreen();
  QPainter painter(this);
  painter.drawImage(0, 0, picture_);
}

}  // namespace kestrun
