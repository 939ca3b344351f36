#pragma once

#include <xcb/xcb.h>

#include <chrono>
#include <cstdint>

// Round trips of _NET_WM_PING to one client window. The toolkit answers a ping from its
// user-interface thread, so a round trip is as long as that thread was busy when the ping came:
// the longest one is the longest freeze a user would have felt. One ping is out at a time, the
// next goes out the interval after the last one went.
class WindowPing {
public:
    using Clock = std::chrono::steady_clock;

    WindowPing(xcb_connection_t* connection, xcb_window_t root, xcb_window_t window);

    // Sends the next ping when it is due; returns the milliseconds until one will be.
    int pump();
    // True when the event was the answer to our ping.
    bool take(const xcb_generic_event_t* event);

    // The longest round trip since the last restart; a ping still out counts with its age.
    double longestMs() const;
    // Whether every round trip for a span after the moment was short, the one out now too: the
    // program has settled after what it was doing.
    bool quietFor(Clock::duration span, Clock::time_point after) const;
    void restart();

private:
    static double ms(Clock::duration duration) {
        return std::chrono::duration<double, std::milli>(duration).count();
    }

    xcb_connection_t* m_connection;
    xcb_window_t m_root;
    xcb_window_t m_window;
    xcb_atom_t m_protocols;
    xcb_atom_t m_ping;
    std::uint32_t m_serial = 0;
    bool m_out = false;
    Clock::time_point m_sent;
    double m_longest = 0;
    Clock::time_point m_lastSlow; // when a round trip longer than the quiet limit ended
    static constexpr std::chrono::milliseconds Interval{2};
    static constexpr std::chrono::milliseconds QuietLimit{50};
};

// The atom of a name, interned on the connection.
xcb_atom_t internAtom(xcb_connection_t* connection, const char* name);
