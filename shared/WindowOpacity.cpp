#include "WindowOpacity.h"

#include "Compositor.h"

#include <QWidget>

namespace {

// Long enough for a window manager to frame a new window; a slower one costs only the first
// unpainted steps of a fade.
constexpr int MapTimeoutMilliseconds = 250;

} // namespace

bool WindowOpacity::isAvailable() {
    return Compositor::isRunning();
}

void WindowOpacity::setAlpha(QWidget* window, std::uint8_t alpha) {
    // The native window is made now, so that the opacity is on it before it is first mapped.
    window->winId();
    window->setWindowOpacity(alpha / 255.0);
}

void WindowOpacity::shown(QWidget* window) {
    Compositor::waitUntilMapped(window, MapTimeoutMilliseconds);
}

void WindowOpacity::flush() {
    Compositor::flush();
}
