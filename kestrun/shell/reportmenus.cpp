#include "reportmenus.h"

#include <algorithm>

#include "circulant_graph.h"
#include "forms/forms.h"
#include "forms/reportexport.h"
#include "unit2.h"
#include "unit3.h"
#include "unit5.h"
#include "unit6.h"
#include "unit7.h"
#include "unit9.h"

namespace kestrun {
namespace {

bool HasDrawing(const Image& image) {
  const auto& ops = image.Operations();
  return std::any_of(ops.begin(), ops.end(), [](const CanvasOp& op) {
    return op.kind == CanvasOp::Kind::Line || op.kind == CanvasOp::Kind::Text;
  });
}

// The vertex count a table lists: one row per vertex below the fixed row,
// numbered from "0"; none while the table is still empty.
QString TableCount(const StringGrid& grid) {
  return grid.Cell(0, 1) == QStringLiteral("0") ? QString::number(grid.RowCount() - 1) : QString();
}

QString Named(const QString& topology, const QString& count) {
  return count.isEmpty() ? topology : topology + QLatin1Char('-') + count;
}

template <typename T>
T* As(Form* form) {
  return dynamic_cast<T*>(form);
}

}  // namespace

void AttachReportMenus() {
  if (auto* form = As<TForm2>(Form2)) {
    AttachPictureMenu(*form->Image1, [form] {
      return Named(QStringLiteral("hypercube"),
                   HasDrawing(*form->Image1) ? TableCount(*form->StringGrid1) : QString());
    });
    AttachTableMenu(*form->StringGrid1);
  }
  if (auto* form = As<TForm5>(Form5)) {
    AttachPictureMenu(*form->Image1, [form] {
      return Named(QStringLiteral("gencube"),
                   HasDrawing(*form->Image1) ? TableCount(*form->Tab) : QString());
    });
    AttachTableMenu(*form->Tab);
  }
  if (auto* form = As<TForm7>(Form7)) {
    AttachPictureMenu(*form->Image1, [form] {
      const int k = form->RadioGroup1->ItemIndex();
      const bool drawn = k >= 0 && k < static_cast<int>(kCirculantCounts.size());
      return Named(QStringLiteral("circulant"),
                   drawn ? QString::number(kCirculantCounts[k].n) : QString());
    });
  }
  if (auto* chart = As<ChartForm>(Form3))
    AttachChartMenu(*chart, QStringLiteral("hypercube-chart"));
  if (auto* chart = As<ChartForm>(Form6)) AttachChartMenu(*chart, QStringLiteral("gencube-chart"));
  if (auto* chart = As<ChartForm>(Form9))
    AttachChartMenu(*chart, QStringLiteral("circulant-chart"));
}

}  // namespace kestrun
