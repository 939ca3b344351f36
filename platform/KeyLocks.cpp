#include "KeyLocks.h"

#include <QGuiApplication>

// Xlib's macros (None, Bool, ...) clash with Qt's names: its headers come last.
#include <X11/XKBlib.h>
#include <X11/Xlib.h>

namespace {

bool isIndicatorOn(const char* name) {
    auto* const x11 =
        qGuiApp ? qGuiApp->nativeInterface<QNativeInterface::QX11Application>() : nullptr;
    Display* const display = x11 ? x11->display() : nullptr;
    if (!display)
        return false;
    // A keyboard map without such an indicator has no such atom either.
    const Atom indicator = XInternAtom(display, name, True);
    Bool on = False;
    if (indicator == None ||
        !XkbGetNamedIndicator(display, indicator, nullptr, &on, nullptr, nullptr))
        return false;
    return on;
}

} // namespace

bool KeyLocks::isNumLockOn() {
    return isIndicatorOn("Num Lock");
}

bool KeyLocks::isCapsLockOn() {
    return isIndicatorOn("Caps Lock");
}
