#include "framework/scrollview.h"

#include <QPainter>
#include <QScrollBar>

#include "framework/paintercanvas.h"

namespace velmar {

ScrollView::ScrollView(QWidget* parent) : QAbstractScrollArea(parent) {
  viewport()->setBackgroundRole(QPalette::Base);
  viewport()->setAutoFillBackground(true);
  setFrameShape(QFrame::NoFrame);
}

void ScrollView::SetScrollSizes(QSize total, QSize page, QSize line) {
  total_ = total;
  page_ = page;
  line_ = line;
  UpdateBars();
}

QPoint ScrollView::ScrollPosition() const {
  return QPoint(horizontalScrollBar()->value(), verticalScrollBar()->value());
}

void ScrollView::paintEvent(QPaintEvent*) {
  QPainter painter(viewport());
  painter.translate(-ScrollPosition());
  PainterCanvas canvas(painter);
  OnDraw(canvas);
}

void ScrollView::resizeEvent(QResizeEvent* event) {
  QAbstractScrollArea::resizeEvent(event);
  UpdateBars();
}

void ScrollView::UpdateBars() {
  const QSize visible = viewport()->size();
  QScrollBar* horizontal = horizontalScrollBar();
  QScrollBar* vertical = verticalScrollBar();
  horizontal->setRange(0, qMax(0, total_.width() - visible.width()));
  vertical->setRange(0, qMax(0, total_.height() - visible.height()));
  horizontal->setPageStep(page_.width());
  vertical->setPageStep(page_.height());
  horizontal->setSingleStep(line_.width());
  vertical->setSingleStep(line_.height());
}

}  // namespace velmar
