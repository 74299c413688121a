// The D/AveD chart of the circulant {N; 1, 3, 11, 13, 17}.
#include "unit9.h"

#include "core/diameter_series.h"
#include "forms/forms.h"

namespace kestrun {
namespace {

ChartSettings Form9Settings() {
  ChartSettings s;
  s.caption = QStringLiteral("Циркулянта");
  s.outer = QRect(246, 161, 443, 367);
  s.labelPos = QPoint(8, 8);
  s.exitPos = QPoint(352, 304);
  s.chartRect = QRect(8, 32, 417, 265);
  s.title = QStringLiteral("Графики диаметра и среднего диаметра");
  s.xMin = 35, s.xMax = 41, s.xIncrement = 1;
  s.yMin = 0, s.yMax = 4;
  s.x = {35, 37, 38, 40, 41};
  s.d = CirculantSeries.D;
  s.aveD = CirculantSeries.AveD;
  s.topologyForm = &Form7;
  return s;
}

}  // namespace

TForm9::TForm9() : ChartForm(Form9Settings()) {}

}  // namespace kestrun
