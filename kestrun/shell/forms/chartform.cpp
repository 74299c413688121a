#include "forms/chartform.h"

#include <QGraphicsLayout>
#include <QLegend>
#include <QValueAxis>
#include <algorithm>
#include <utility>

#include "forms/forms.h"

namespace kestrun {
namespace {

// The plot gets whatever the title, the legend and the axis labels leave: no
// frame or margin around the chart, and the legend in one tight row under the
// title (a legend beside the plot would cost more area than it saves height).
void GivePlotTheRoom(QChart& chart) {
  chart.layout()->setContentsMargins(0, 0, 0, 0);
  chart.setMargins(QMargins(2, 0, 8, 2));  // right: half of the last x label
  QLegend& legend = *chart.legend();
  legend.setAlignment(Qt::AlignTop);
  legend.setContentsMargins(0, 0, 0, 0);
  legend.layout()->setContentsMargins(0, 0, 0, 0);
}

// The chart component's plain one-pixel line.
QPen SeriesPen(const QColor& colour) { return QPen(colour, 1); }

}  // namespace

void AppendPoint(QXYSeries& series, double x, double y) {
  const QList<QPointF> points = series.points();
  const auto after =
      std::upper_bound(points.begin(), points.end(), x,
                       [](double value, const QPointF& point) { return value < point.x(); });
  series.insert(static_cast<int>(after - points.begin()), QPointF(x, y));
}

ChartForm::ChartForm(ChartSettings settings)
    : Form(settings.caption, settings.outer), settings_(std::move(settings)) {
  Label1 = new Label(this, QString(), QRect(settings_.labelPos, QSize(3, 13)));
  Exit = MakeButton(this, QStringLiteral("Назад"), QRect(settings_.exitPos, QSize(75, 25)));
  BuildChart();
  SetTabOrder({Exit, ChartView});
  connect(Exit, &QPushButton::clicked, this, &ChartForm::ExitClick);
}

void ChartForm::BuildChart() {
  Chart1 = new QChart;
  Chart1->setTitle(settings_.title);
  Chart1->setBackgroundRoundness(0);
  GivePlotTheRoom(*Chart1);
  // The window's small font lets every label of the densest axis (16 of them
  // on 2..32) stand without being elided.
  Chart1->setTitleFont(FormFont());
  Chart1->legend()->setFont(FormFont());

  auto* bottom = new QValueAxis;
  bottom->setRange(settings_.xMin, settings_.xMax);
  bottom->setTickType(QValueAxis::TicksDynamic);
  bottom->setTickAnchor(settings_.xMin);
  bottom->setTickInterval(settings_.xIncrement);
  bottom->setLabelFormat(QStringLiteral("%g"));
  bottom->setTitleText(QStringLiteral("N"));

  auto* left = new QValueAxis;
  left->setRange(settings_.yMin, settings_.yMax);
  left->setTickCount(static_cast<int>(settings_.yMax - settings_.yMin) + 1);
  left->setLabelFormat(QStringLiteral("%g"));
  left->setTitleText(QStringLiteral("D/AveD"));

  for (QValueAxis* axis : {bottom, left}) {
    axis->setLabelsFont(FormFont());
    axis->setTitleFont(FormFont());
  }
  Chart1->addAxis(bottom, Qt::AlignBottom);
  Chart1->addAxis(left, Qt::AlignLeft);

  Series1 = new QLineSeries;
  Series1->setName(QStringLiteral("Диаметр"));
  Series1->setPen(SeriesPen(QColor(255, 0, 0)));
  Series2 = new QLineSeries;
  Series2->setName(QStringLiteral("Ср.Диаметр"));
  Series2->setPen(SeriesPen(QColor(0, 128, 0)));
  for (QLineSeries* series : {Series1, Series2}) {
    series->setPointsVisible(false);
    series->setPointLabelsVisible(false);
    Chart1->addSeries(series);
    series->attachAxis(bottom);
    series->attachAxis(left);
  }

  ChartView = new QChartView(Chart1, this);
  ChartView->setGeometry(settings_.chartRect);
}

void ChartForm::FormActivate() {
  Label1->SetCaption(QStringLiteral("Графики"));
  // Each visit shows the same points. Appended again, they would lie on the
  // earlier ones, and the one-pixel stroker steps differently through the
  // zero-length pieces between coinciding points; so they replace them.
  Series1->clear();
  Series2->clear();
  const std::size_t count =
      std::min({settings_.x.size(), settings_.d.size(), settings_.aveD.size()});
  for (std::size_t k = 0; k < count; ++k) {
    AppendPoint(*Series1, settings_.x[k], settings_.d[k]);
    AppendPoint(*Series2, settings_.x[k], settings_.aveD[k]);
  }
}

void ChartForm::ExitClick() {
  SwitchForm(this, settings_.topologyForm ? *settings_.topologyForm : nullptr);
}

}  // namespace kestrun
