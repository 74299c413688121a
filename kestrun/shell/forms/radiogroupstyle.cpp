#include "forms/radiogroupstyle.h"

#include <QApplication>
#include <QPointer>
#include <QStyleFactory>

namespace kestrun {
namespace {

constexpr int kCircleSize = 13;

}  // namespace

RadioGroupStyle::RadioGroupStyle()
    : QProxyStyle(QStyleFactory::create(QApplication::style()->name())) {}

// The group box itself comes from the common style, which draws the caption
// on the frame line and leaves a gap in the line for it; other styles put
// the caption above the frame, which costs the items a text line.
int RadioGroupStyle::styleHint(StyleHint hint, const QStyleOption* option, const QWidget* widget,
                               QStyleHintReturn* returnData) const {
  if (hint == SH_GroupBox_TextLabelVerticalAlignment) return Qt::AlignVCenter;
  return QProxyStyle::styleHint(hint, option, widget, returnData);
}

int RadioGroupStyle::pixelMetric(PixelMetric metric, const QStyleOption* option,
                                 const QWidget* widget) const {
  if (metric == PM_ExclusiveIndicatorWidth || metric == PM_ExclusiveIndicatorHeight)
    return kCircleSize;
  return QProxyStyle::pixelMetric(metric, option, widget);
}

QRect RadioGroupStyle::subControlRect(ComplexControl control, const QStyleOptionComplex* option,
                                      SubControl subControl, const QWidget* widget) const {
  if (control == CC_GroupBox)
    return QCommonStyle::subControlRect(control, option, subControl, widget);
  return QProxyStyle::subControlRect(control, option, subControl, widget);
}

void RadioGroupStyle::drawComplexControl(ComplexControl control, const QStyleOptionComplex* option,
                                         QPainter* painter, const QWidget* widget) const {
  if (control == CC_GroupBox) {
    QCommonStyle::drawComplexControl(control, option, painter, widget);
    return;
  }
  QProxyStyle::drawComplexControl(control, option, painter, widget);
}

void RadioGroupStyle::drawPrimitive(PrimitiveElement element, const QStyleOption* option,
                                    QPainter* painter, const QWidget* widget) const {
  if (element == PE_FrameGroupBox) {
    QCommonStyle::drawPrimitive(element, option, painter, widget);
    return;
  }
  QProxyStyle::drawPrimitive(element, option, painter, widget);
}

QStyle* SharedRadioGroupStyle() {
  static QPointer<RadioGroupStyle> style;
  if (style.isNull()) {
    style = new RadioGroupStyle;
    style->setParent(qApp);
  }
  return style.data();
}

}  // namespace kestrun
