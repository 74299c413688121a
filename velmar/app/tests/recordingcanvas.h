// A canvas that keeps every operation, so tests can compare the exact
// sequence a picture is drawn with.
#pragma once

#include <QString>
#include <QStringList>
#include <vector>

#include "framework/canvas.h"

namespace velmar::test {

struct CanvasOp {
  enum class Kind { SelectPen, MoveTo, LineTo } kind;
  CanvasPoint point;
  Pen pen;
};

class RecordingCanvas : public Canvas {
 public:
  Pen SelectPen(const Pen& pen) override {
    ops.push_back({CanvasOp::Kind::SelectPen, {}, pen});
    const Pen previous = current;
    current = pen;
    return previous;
  }
  void MoveTo(CanvasPoint point) override { ops.push_back({CanvasOp::Kind::MoveTo, point, {}}); }
  void LineTo(CanvasPoint point) override { ops.push_back({CanvasOp::Kind::LineTo, point, {}}); }

  int Count(CanvasOp::Kind kind) const {
    int count = 0;
    for (const CanvasOp& op : ops) count += op.kind == kind ? 1 : 0;
    return count;
  }

  // "M x,y" and "L x,y" for the moves and lines, pens left out.
  QStringList Path() const {
    QStringList path;
    for (const CanvasOp& op : ops) {
      if (op.kind == CanvasOp::Kind::SelectPen) continue;
      path << QStringLiteral("%1 %2,%3")
                  .arg(op.kind == CanvasOp::Kind::MoveTo ? QLatin1Char('M') : QLatin1Char('L'))
                  .arg(op.point.x)
                  .arg(op.point.y);
    }
    return path;
  }

  Pen current{Pen::Style::None, 0, 0xFFFFFF};
  std::vector<CanvasOp> ops;
};

}  // namespace velmar::test
