// Canvas over a QPainter: one drawing path for screen, printer and preview.
#pragma once

#include <QPoint>

#include "framework/canvas.h"

class QPainter;

namespace velmar {

class PainterCanvas : public Canvas {
 public:
  explicit PainterCanvas(QPainter& painter);

  Pen SelectPen(const Pen& pen) override;
  void MoveTo(CanvasPoint point) override;
  void LineTo(CanvasPoint point) override;

 private:
  QPainter& painter_;
  Pen pen_;
  QPoint current_;
};

}  // namespace velmar
