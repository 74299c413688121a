// The focus leaving the program and coming back, as a desktop delivers it:
// another program's window takes the focus and closes, or the user switches
// to another application and back. Shared by the tests of every window.
#pragma once

#include <QApplication>
#include <QEvent>
#include <QTest>
#include <QWidget>

namespace kestrun::testing {

// A top-level window that is none of the wizard's opens over `back`, takes the
// focus and closes; the platform then gives the focus back to `back`.
inline bool ForeignWindowTakesTheFocus(QWidget& back) {
  QWidget other;
  other.setWindowTitle(QStringLiteral("another program"));
  other.setGeometry(back.geometry().adjusted(20, 20, -20, -20));
  other.show();
  other.activateWindow();
  if (!QTest::qWaitForWindowActive(&other) || back.isActiveWindow()) return false;
  other.close();
  back.activateWindow();
  return QTest::qWaitForWindowActive(&back) &&
         QTest::qWaitFor([&] { return back.isActiveWindow(); });
}

// The application becomes inactive (no window of it has the focus) and active
// again with `back` focused, as when the user switches to another program.
inline bool ApplicationLeftAndReentered(QWidget& back) {
  QApplicationStateChangeEvent away(Qt::ApplicationInactive);
  QCoreApplication::sendEvent(qApp, &away);
  QApplication::setActiveWindow(nullptr);
  if (back.isActiveWindow()) return false;
  QApplicationStateChangeEvent again(Qt::ApplicationActive);
  QCoreApplication::sendEvent(qApp, &again);
  QApplication::setActiveWindow(&back);
  QCoreApplication::processEvents();
  return back.isActiveWindow();
}

// Both of the above, one after the other.
inline bool FocusLeavesTheProgramAndComesBack(QWidget& back) {
  return ForeignWindowTakesTheFocus(back) && ApplicationLeftAndReentered(back);
}

}  // namespace kestrun::testing
