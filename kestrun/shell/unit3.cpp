// The D/AveD chart of the binary hypercube.
#include "unit3.h"

#include "core/diameter_series.h"
#include "forms/forms.h"

namespace kestrun {
namespace {

ChartSettings Form3Settings() {
  ChartSettings s;
  s.caption = QStringLiteral("Двоичный гиперкуб");
  s.outer = QRect(187, 93, 487, 377);
  s.labelPos = QPoint(8, 16);
  s.exitPos = QPoint(392, 312);
  s.chartRect = QRect(8, 40, 457, 265);
  s.title = QStringLiteral("График изменения диаметра и среднего диаметра");
  s.xMin = 2, s.xMax = 32, s.xIncrement = 2;
  s.yMin = 1, s.yMax = 5;
  s.x = {2, 4, 8, 16, 32};
  s.d = HypercubeSeries.D;
  s.aveD = HypercubeSeries.AveD;
  s.topologyForm = &Form2;
  return s;
}

}  // namespace

TForm3::TForm3() : ChartForm(Form3Settings()) {}

}  // namespace kestrun
