#include "lockkeys.h"

#include <QGuiApplication>

// Xlib's macros (None, Bool, Status ...) clash with Qt's names, so it comes last.
#include <X11/XKBlib.h>

namespace {

bool IndicatorOn(Display* display, Atom atom) {
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
  // Asked for on every key press, so the names are looked up only once.
  static const Atom caps = XInternAtom(display, "Caps Lock", True);
  static const Atom num = XInternAtom(display, "Num Lock", True);
  static const Atom scroll = XInternAtom(display, "Scroll Lock", True);
  return LockKeyState{IndicatorOn(display, caps), IndicatorOn(display, num),
                      IndicatorOn(display, scroll)};
}
