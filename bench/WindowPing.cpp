#include "WindowPing.h"

#include <algorithm>
#include <cstdlib>
#include <cstring>

xcb_atom_t internAtom(xcb_connection_t* connection, const char* name) {
    xcb_intern_atom_reply_t* reply = xcb_intern_atom_reply(
        connection, xcb_intern_atom(connection, 0, std::uint16_t(std::strlen(name)), name),
        nullptr);
    const xcb_atom_t result = reply ? reply->atom : xcb_atom_t(XCB_ATOM_NONE);
    std::free(reply);
    return result;
}

WindowPing::WindowPing(xcb_connection_t* connection, xcb_window_t root, xcb_window_t window)
    : m_connection(connection)
    , m_root(root)
    , m_window(window)
    , m_protocols(internAtom(connection, "WM_PROTOCOLS"))
    , m_ping(internAtom(connection, "_NET_WM_PING"))
    , m_lastSlow(Clock::now()) {
}

int WindowPing::pump() {
    const Clock::time_point now = Clock::now();
    if (m_out)
        return int(Interval.count());
    if (now - m_sent < Interval)
        return int(std::chrono::ceil<std::chrono::milliseconds>(Interval - (now - m_sent)).count());
    // The window answers to the root window, where our StructureNotify mask hears it; the
    // serial in the time field tells our answer from those to the window manager's pings.
    xcb_client_message_event_t message{};
    message.response_type = XCB_CLIENT_MESSAGE;
    message.format = 32;
    message.window = m_window;
    message.type = m_protocols;
    message.data.data32[0] = m_ping;
    message.data.data32[1] = ++m_serial;
    message.data.data32[2] = m_window;
    xcb_send_event(m_connection, 0, m_window, XCB_EVENT_MASK_NO_EVENT,
                   reinterpret_cast<const char*>(&message));
    xcb_flush(m_connection);
    m_sent = now;
    m_out = true;
    return int(Interval.count());
}

bool WindowPing::take(const xcb_generic_event_t* event) {
    if ((event->response_type & 0x7F) != XCB_CLIENT_MESSAGE)
        return false;
    const auto* message = reinterpret_cast<const xcb_client_message_event_t*>(event);
    if (message->window != m_root || message->type != m_protocols ||
        message->data.data32[0] != m_ping || message->data.data32[1] != m_serial ||
        message->data.data32[2] != m_window || !m_out)
        return false;
    const Clock::time_point now = Clock::now();
    const double trip = ms(now - m_sent);
    m_longest = std::max(m_longest, trip);
    if (trip > double(QuietLimit.count()))
        m_lastSlow = now;
    m_out = false;
    return true;
}

double WindowPing::longestMs() const {
    return m_out ? std::max(m_longest, ms(Clock::now() - m_sent)) : m_longest;
}

bool WindowPing::quietFor(Clock::duration span, Clock::time_point after) const {
    const Clock::time_point now = Clock::now();
    if (m_out && now - m_sent > QuietLimit)
        return false;
    return now - std::max(m_lastSlow, after) >= span;
}

void WindowPing::restart() {
    m_longest = 0;
}
