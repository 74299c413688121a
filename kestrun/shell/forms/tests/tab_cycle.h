// Walks a window's tab order with real Tab and Shift+Tab presses.
#pragma once

#include <QApplication>
#include <QTest>
#include <QWidget>
#include <vector>

namespace kestrun::testing {

// The control of `window` that holds the focus: the child of the window
// itself, so that an editable combo box's line edit counts as the combo box
// and a radio item as its group.
inline QWidget* FocusedControl(QWidget& window) {
  QWidget* widget = QApplication::focusWidget();
  while (widget && widget->parentWidget() != &window) widget = widget->parentWidget();
  return widget;
}

// Presses Tab (or Shift+Tab) from `start` until the focus is back on it, and
// returns the controls visited in order, `start` first. A control that keeps
// the focus for several presses (the items of a radio group) appears once per
// stay; at most `limit` presses are made.
inline std::vector<QWidget*> TabCycle(QWidget& window, QWidget* start, bool forward,
                                      int limit = 40) {
  start->setFocus(Qt::TabFocusReason);
  std::vector<QWidget*> stops{FocusedControl(window)};
  for (int press = 0; press < limit; ++press) {
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab,
                    forward ? Qt::NoModifier : Qt::ShiftModifier);
    QWidget* now = FocusedControl(window);
    if (now == stops.front()) break;
    if (now != stops.back()) stops.push_back(now);
  }
  return stops;
}

}  // namespace kestrun::testing
