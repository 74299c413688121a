#include "framework/paintercanvas.h"

#include <QColor>
#include <QPainter>
#include <QPen>

namespace velmar {

namespace {

QPen ToQPen(const Pen& pen) {
  if (pen.style == Pen::Style::None) return QPen(Qt::NoPen);
  QPen result(QColor::fromRgb(pen.rgb));
  result.setWidth(pen.width);
  result.setStyle(Qt::SolidLine);
  return result;
}

}  // namespace

PainterCanvas::PainterCanvas(QPainter& painter) : painter_(painter) {
  painter_.setPen(ToQPen(pen_));
}

Pen PainterCanvas::SelectPen(const Pen& pen) {
  const Pen previous = pen_;
  pen_ = pen;
  painter_.setPen(ToQPen(pen_));
  return previous;
}

void PainterCanvas::MoveTo(CanvasPoint point) { current_ = QPoint(point.x, point.y); }

void PainterCanvas::LineTo(CanvasPoint point) {
  const QPoint target(point.x, point.y);
  painter_.drawLine(current_, target);
  current_ = target;
}

}  // namespace velmar
