// The D/AveD chart of the generalized 3D cube.
#include "unit6.h"

#include "core/diameter_series.h"
#include "forms/forms.h"

namespace kestrun {
namespace {

ChartSettings Form6Settings() {
  ChartSettings s;
  s.caption = QStringLiteral("Обобщенный гиперкуб");
  s.outer = QRect(192, 106, 468, 363);
  s.labelPos = QPoint(8, 8);
  s.exitPos = QPoint(384, 304);
  s.chartRect = QRect(8, 32, 449, 265);
  s.title = QStringLiteral("Графики изменения диаметра и среднего диаметра");
  s.xMin = 24, s.xMax = 30, s.xIncrement = 3;
  s.yMin = 0, s.yMax = 7;
  s.x = {24, 27, 30};
  s.d = GenCubeSeries.D;
  s.aveD = GenCubeSeries.AveD;
  s.topologyForm = &Form5;
  return s;
}

}  // namespace

TForm6::TForm6() : ChartForm(Form6Settings()) {}

}  // namespace kestrun
