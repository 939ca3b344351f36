#pragma once

class QWidget;

// The X11 desktop's compositing manager, which alone gives a window's opacity an effect, and what
// a loop that runs no events (a fade) needs so that its changes reach the screen step by step.
// Elsewhere (offscreen, Wayland) there is no such manager and nothing to do.
class Compositor {
public:
    // True on the xcb platform while a compositing manager owns the selection _NET_WM_CM_S<n>
    // of the display's default screen; asked of the X server at every call, since a manager
    // may start or end while the program runs.
    static bool isRunning();

    // Sends the requests that wait in the connection's buffer to the X server now. Qt sends them
    // only when the event loop runs again.
    static void flush();

    // For a top-level window that was just shown: waits, at most the given time, until the
    // X server has mapped it, then lets its repaints through. Qt holds repaints back until it has
    // handled the window's first expose event, which a loop that runs no events never does, so
    // the window would stay unpainted until the loop ended.
    static void waitUntilMapped(QWidget* window, int timeoutMilliseconds);
};
