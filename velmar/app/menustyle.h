// The look of the main window's menus, with one change: a disabled item can
// be highlighted by the pointer and the arrow keys like any other, so that
// its status-bar prompt is shown while it is highlighted.
#pragma once

#include <QProxyStyle>

class MenuStyle : public QProxyStyle {
 public:
  // Wraps a fresh instance of the application's current style.
  MenuStyle();

  int styleHint(StyleHint hint, const QStyleOption* option = nullptr,
                const QWidget* widget = nullptr,
                QStyleHintReturn* returnData = nullptr) const override;
  void drawControl(ControlElement element, const QStyleOption* option, QPainter* painter,
                   const QWidget* widget = nullptr) const override;
};

// One instance for all menus of the program; it lives as long as the
// application object.
QStyle* SharedMenuStyle();
