#include "forms/imagecanvas.h"

#include <QFontMetrics>
#include <QPainter>
#include <utility>

#include "forms/form.h"

namespace kestrun {
namespace {

QColor ToQColor(Rgb colour) { return QColor(colour.r, colour.g, colour.b); }

}  // namespace

ImageCanvas::ImageCanvas(QImage& picture, std::function<void()> changed)
    : picture_(picture), changed_(std::move(changed)) {}

void ImageCanvas::SetBrushColor(Rgb colour) {
  brush_ = colour;
  if (observer_) observer_->SetBrushColor(colour);
}

void ImageCanvas::SetPenColor(Rgb colour) {
  pen_ = colour;
  if (observer_) observer_->SetPenColor(colour);
}

void ImageCanvas::FillRect(int left, int top, int right, int bottom) {
  if (observer_) observer_->FillRect(left, top, right, bottom);
  if (right <= left || bottom <= top) return;
  QPainter painter(&picture_);
  painter.fillRect(QRect(QPoint(left, top), QPoint(right - 1, bottom - 1)), ToQColor(brush_));
  changed_();
}

void ImageCanvas::MoveTo(int x, int y) {
  if (observer_) observer_->MoveTo(x, y);
  penX_ = x;
  penY_ = y;
}

void ImageCanvas::LineTo(int x, int y) {
  if (observer_) observer_->LineTo(x, y);
  QPainter painter(&picture_);
  painter.setPen(QPen(ToQColor(pen_), 0));
  painter.drawLine(penX_, penY_, x, y);
  penX_ = x;
  penY_ = y;
  changed_();
}

void ImageCanvas::TextOut(int x, int y, const std::string& text) {
  if (observer_) observer_->TextOut(x, y, text);
  const QString qtext = QString::fromStdString(text);
  QPainter painter(&picture_);
  const QFont font = FormFont();
  painter.setFont(font);
  const QFontMetrics metrics(font);
  const QRect box(x, y, metrics.horizontalAdvance(qtext), metrics.height());
  painter.fillRect(box, ToQColor(brush_));
  painter.setPen(Qt::black);
  painter.drawText(box, Qt::AlignLeft | Qt::AlignTop, qtext);
  changed_();
}

}  // namespace kestrun
