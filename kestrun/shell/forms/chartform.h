// The D/AveD chart window: a label, "Назад" and a line chart of D (red) and
// AveD (green) against N. The three chart windows differ only in settings.
#pragma once

#include <QChart>
#include <QChartView>
#include <QLineSeries>
#include <QPushButton>
#include <cstdint>
#include <span>
#include <vector>

#include "forms/controls.h"
#include "forms/form.h"

namespace kestrun {

struct ChartSettings {
  QString caption;
  QRect outer;
  QPoint labelPos;
  QPoint exitPos;
  QRect chartRect;
  QString title;
  double xMin = 0, xMax = 0, xIncrement = 1;
  double yMin = 0, yMax = 0;
  std::vector<double> x;                // X of element k
  std::span<const std::int32_t> d;      // the topology's D[k], read at activation
  std::span<const double> aveD;         // the topology's AveD[k]
  Form* const* topologyForm = nullptr;  // where "Назад" leads (a registry slot)
};

// Inserts (x, y) before the first point with a larger x, so that x ascends.
void AppendPoint(QXYSeries& series, double x, double y);

class ChartForm : public Form {
 public:
  explicit ChartForm(ChartSettings settings);

  Label* Label1;
  QPushButton* Exit;
  QChartView* ChartView;
  QChart* Chart1;
  QLineSeries* Series1;  // "Диаметр"
  QLineSeries* Series2;  // "Ср.Диаметр"

 protected:
  void FormActivate() override;

 private:
  void BuildChart();
  void ExitClick();

  ChartSettings settings_;
};

}  // namespace kestrun
