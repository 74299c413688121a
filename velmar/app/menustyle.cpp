#include "menustyle.h"

#include <QApplication>
#include <QPainter>
#include <QPointer>
#include <QStyleFactory>
#include <QStyleOptionMenuItem>

MenuStyle::MenuStyle() : QProxyStyle(QStyleFactory::create(QApplication::style()->name())) {}

int MenuStyle::styleHint(StyleHint hint, const QStyleOption* option, const QWidget* widget,
                         QStyleHintReturn* returnData) const {
  if (hint == SH_Menu_AllowActiveAndDisabled) return 1;
  return QProxyStyle::styleHint(hint, option, widget, returnData);
}

void MenuStyle::drawControl(ControlElement element, const QStyleOption* option, QPainter* painter,
                            const QWidget* widget) const {
  // Some styles draw no highlight bar under a disabled item; the bar shows
  // which item the status bar is talking about.
  const auto* item = qstyleoption_cast<const QStyleOptionMenuItem*>(option);
  if (element == CE_MenuItem && item != nullptr &&
      item->menuItemType == QStyleOptionMenuItem::Normal && (item->state & State_Selected) &&
      !(item->state & State_Enabled)) {
    painter->fillRect(item->rect, item->palette.brush(QPalette::Active, QPalette::Highlight));
  }
  QProxyStyle::drawControl(element, option, painter, widget);
}

QStyle* SharedMenuStyle() {
  static QPointer<MenuStyle> style;
  if (style.isNull()) {
    style = new MenuStyle;
    style->setParent(qApp);
  }
  return style.data();
}
