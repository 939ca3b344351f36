#include "Compositor.h"

#include <QByteArray>
#include <QDeadlineTimer>
#include <QGuiApplication>
#include <QWidget>

#include <chrono>
#include <cstdlib>
#include <memory>
#include <thread>

// Xlib's macros (None, Bool, ...) clash with Qt's names: its headers come last.
#include <X11/Xlib.h>
#include <xcb/xcb.h>

namespace {

// Replies are plain malloc'ed structs.
template <typename Reply> using ReplyPtr = std::unique_ptr<Reply, decltype(&std::free)>;

template <typename Reply> ReplyPtr<Reply> own(Reply* reply) {
    return ReplyPtr<Reply>(reply, &std::free);
}

QNativeInterface::QX11Application* x11() {
    return qGuiApp ? qGuiApp->nativeInterface<QNativeInterface::QX11Application>() : nullptr;
}

xcb_connection_t* connection() {
    QNativeInterface::QX11Application* application = x11();
    return application ? application->connection() : nullptr;
}

int screenNumber() {
    QNativeInterface::QX11Application* application = x11();
    Display* display = application ? application->display() : nullptr;
    return display ? DefaultScreen(display) : 0;
}

xcb_atom_t selectionAtom(xcb_connection_t* connection) {
    // The atom lives as long as the X server, so one look-up serves the whole run.
    static xcb_atom_t atom = XCB_ATOM_NONE;
    if (atom == XCB_ATOM_NONE) {
        const QByteArray name = "_NET_WM_CM_S" + QByteArray::number(screenNumber());
        const auto reply = own(xcb_intern_atom_reply(
            connection, xcb_intern_atom(connection, 0, name.size(), name.constData()), nullptr));
        if (reply)
            atom = reply->atom;
    }
    return atom;
}

bool isMapped(xcb_connection_t* connection, xcb_window_t window) {
    const auto reply = own(xcb_get_window_attributes_reply(
        connection, xcb_get_window_attributes(connection, window), nullptr));
    return reply && reply->map_state == XCB_MAP_STATE_VIEWABLE;
}

} // namespace

bool Compositor::isRunning() {
    xcb_connection_t* const x = connection();
    if (!x)
        return false;
    const xcb_atom_t atom = selectionAtom(x);
    if (atom == XCB_ATOM_NONE)
        return false;
    const auto reply =
        own(xcb_get_selection_owner_reply(x, xcb_get_selection_owner(x, atom), nullptr));
    return reply && reply->owner != XCB_WINDOW_NONE;
}

void Compositor::flush() {
    if (xcb_connection_t* const x = connection())
        xcb_flush(x);
}

void Compositor::waitUntilMapped(QWidget* window, int timeoutMilliseconds) {
    xcb_connection_t* const x = connection();
    if (!x || !window || !window->isWindow() || !window->isVisible() ||
        window->testAttribute(Qt::WA_Mapped))
        return;
    const auto id = static_cast<xcb_window_t>(window->winId());
    const QDeadlineTimer deadline(timeoutMilliseconds);
    // A window manager maps the window once it has framed it, which takes a moment.
    while (!isMapped(x, id)) {
        if (deadline.hasExpired())
            return;
        std::this_thread::sleep_for(std::chrono::milliseconds(1));
    }
    // What Qt's own handling of the expose event would set; it sets it again when that event
    // comes.
    window->setAttribute(Qt::WA_Mapped);
}
