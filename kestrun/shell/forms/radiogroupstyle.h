// The look of a radio group as the form toolkit draws it, over the
// application's style: the caption stands on the frame's top line, 8 pixels
// in, rather than above it, and the item circles are 13 pixels. The items
// then have the group's height under the caption to themselves.
#pragma once

#include <QProxyStyle>

namespace kestrun {

class RadioGroupStyle : public QProxyStyle {
 public:
  // Wraps a fresh instance of the application's current style.
  RadioGroupStyle();

  int styleHint(StyleHint hint, const QStyleOption* option = nullptr,
                const QWidget* widget = nullptr,
                QStyleHintReturn* returnData = nullptr) const override;
  int pixelMetric(PixelMetric metric, const QStyleOption* option = nullptr,
                  const QWidget* widget = nullptr) const override;
  QRect subControlRect(ComplexControl control, const QStyleOptionComplex* option,
                       SubControl subControl, const QWidget* widget = nullptr) const override;
  void drawComplexControl(ComplexControl control, const QStyleOptionComplex* option,
                          QPainter* painter, const QWidget* widget = nullptr) const override;
  void drawPrimitive(PrimitiveElement element, const QStyleOption* option, QPainter* painter,
                     const QWidget* widget = nullptr) const override;
};

// One instance for every radio group and its items; it lives as long as the
// application.
QStyle* SharedRadioGroupStyle();

}  // namespace kestrun
