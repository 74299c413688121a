#include "lockkeys.h"

#include <QGuiApplication>

// Xlib's macros (None, Bool, Status ...) clash with Qt's names, so it comes last.
#include <X11/XKBlib.h>

namespace {

bool IndicatorOn(Display* display, const char* name) {
  const Atom atom = XInternAtom(display, name, True);
  if (atom == 0) return false;
  Bool on = False;
  if (!XkbGetNamedIndicator(display, atom, nullptr, &on, nullptr, nullptr)) return false;
  return on != False;
}

}  // namespace

LockKeyState ReadLockKeys() {
  auto* x11 =
      qGuiApp == nullptr ? nullptr : qGuiApp->nativeInterface<QNativeInterface::QX11Application>();
  if (x11 == nullptr || x11->display() == nullptr) return {};
  Display* display = x11->display();
  return LockKeyState{IndicatorOn(display, "Caps Lock"), IndicatorOn(display, "Num Lock"),
                      IndicatorOn(display, "Scroll Lock")};
}
