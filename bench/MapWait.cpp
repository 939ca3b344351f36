// Starts a program on the X display and times its windows from outside: an X client of our own
// hears every top-level window the window manager maps (MapNotify on the root window), so the
// time is the moment the window is there, not when a poller happens to look. Once the window is
// there it is pinged every 2 ms (WindowPing), which shows every freeze of its user-interface
// thread.
//
//   bench_mapwait [--windows N] [--idle SECONDS] [--actions N] [--watch MS] [--close]
//                 [--close-after MS] -- program arguments...
//
// Prints name=value pairs on one line:
//   map, last        milliseconds from the start until the first and the N-th window mapped
//                    (N from --windows, 1 by default)
//   cpu, wakeups     with --idle: the program's processor time in milliseconds and its wake-ups
//                    (context switches) over that many seconds
//   freeze1 ...      with --actions: N times, once the window has settled, the program gets
//                    SIGUSR1 (bench_organiser does its next step then); freezeK is the longest
//                    round trip from the K-th signal until the next one, the close request, or
//                    until the program hides its window or ends
//   freeze           without --actions: the longest round trip from the map until the close
//                    request or the end of --watch
//   close            with --close or --close-after: from the close request (the window
//                    manager's delete message, that long after the last signal or the map) to
//                    the program's end, at most a minute (the program is ended then)
// Every window mapped is then ended by its process number (_NET_WM_PID); the program too.
#include "WindowPing.h"

#include <xcb/xcb.h>

#include <chrono>
#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <fstream>
#include <map>
#include <optional>
#include <poll.h>
#include <sstream>
#include <string>
#include <sys/wait.h>
#include <thread>
#include <unistd.h>
#include <vector>

namespace {

using Clock = std::chrono::steady_clock;
using std::chrono::milliseconds;

double msSince(Clock::time_point start) {
    return std::chrono::duration<double, std::milli>(Clock::now() - start).count();
}

pid_t windowPid(xcb_connection_t* connection, xcb_window_t window) {
    const xcb_atom_t pidAtom = internAtom(connection, "_NET_WM_PID");
    xcb_get_property_reply_t* reply = xcb_get_property_reply(
        connection, xcb_get_property(connection, 0, window, pidAtom, XCB_ATOM_CARDINAL, 0, 1),
        nullptr);
    pid_t pid = 0;
    if (reply && xcb_get_property_value_length(reply) == 4)
        pid = pid_t(*static_cast<std::uint32_t*>(xcb_get_property_value(reply)));
    std::free(reply);
    return pid;
}

// Processor time (user + system) in milliseconds and context switches of a process so far.
std::pair<double, long> usage(pid_t pid) {
    std::ifstream statFile("/proc/" + std::to_string(pid) + "/stat");
    std::string stat((std::istreambuf_iterator<char>(statFile)), {});
    const std::size_t close = stat.rfind(')');
    std::istringstream fields(close == std::string::npos ? "" : stat.substr(close + 2));
    std::string field;
    long utime = 0, stime = 0;
    for (int i = 3; i <= 15 && fields >> field; ++i) {
        if (i == 14)
            utime = std::stol(field);
        if (i == 15)
            stime = std::stol(field);
    }
    long switches = 0;
    std::ifstream status("/proc/" + std::to_string(pid) + "/status");
    for (std::string line; std::getline(status, line);) {
        if (line.rfind("voluntary_ctxt_switches:", 0) == 0 ||
            line.rfind("nonvoluntary_ctxt_switches:", 0) == 0)
            switches += std::stol(line.substr(line.find(':') + 1));
    }
    return {double(utime + stime) * 1000.0 / double(sysconf(_SC_CLK_TCK)), switches};
}

struct Options {
    int windows = 1;
    int idleSeconds = 0;
    int actions = 0;
    int watchMs = 0;
    int closeAfterMs = -1;
    char** command = nullptr;
};

bool parse(int argc, char* argv[], Options& options) {
    for (int i = 1; i < argc; ++i) {
        const std::string arg = argv[i];
        const bool valued = i + 1 < argc;
        if (arg == "--windows" && valued)
            options.windows = std::atoi(argv[++i]);
        else if (arg == "--idle" && valued)
            options.idleSeconds = std::atoi(argv[++i]);
        else if (arg == "--actions" && valued)
            options.actions = std::atoi(argv[++i]);
        else if (arg == "--watch" && valued)
            options.watchMs = std::atoi(argv[++i]);
        else if (arg == "--close-after" && valued)
            options.closeAfterMs = std::atoi(argv[++i]);
        else if (arg == "--close")
            options.closeAfterMs = 0;
        else if (arg == "--" && valued) {
            options.command = argv + i + 1;
            return options.windows > 0;
        } else
            return false;
    }
    return false;
}

// The X side of one run: the windows the manager maps, the pings, the program's end.
class Session {
public:
    Session(xcb_connection_t* connection, xcb_window_t root, pid_t child)
        : m_connection(connection)
        , m_root(root)
        , m_child(child) {}

    // Handles what the display sends until the deadline or until done() holds; false when the
    // display went away.
    template <typename Done> bool runUntil(Clock::time_point deadline, Done done) {
        while (!done()) {
            if (Clock::now() >= deadline)
                return true;
            int wait = 1000;
            if (m_ping)
                wait = m_ping->pump();
            if (!m_exited && ::waitpid(m_child, &m_status, WNOHANG) == m_child)
                m_exited = true;
            if (m_exited)
                wait = 0;
            while (xcb_generic_event_t* event = xcb_poll_for_event(m_connection)) {
                handle(event);
                std::free(event);
            }
            if (xcb_connection_has_error(m_connection))
                return false;
            if (!done() && wait > 0) {
                pollfd fd{xcb_get_file_descriptor(m_connection), POLLIN, 0};
                ::poll(&fd, 1, wait);
            }
        }
        return true;
    }

    const std::vector<xcb_window_t>& mapped() const { return m_mapped; }
    bool exited() const { return m_exited; }
    bool hidden() const { return m_hidden; }
    WindowPing& ping() { return *m_ping; }
    void startPinging() { m_ping.emplace(m_connection, m_root, m_mapped.front()); }
    void stopPinging() { m_ping.reset(); }

private:
    void handle(const xcb_generic_event_t* event) {
        if (m_ping && m_ping->take(event))
            return;
        const int type = event->response_type & 0x7F;
        // A managed window is reparented into the manager's frame, and the frame is mapped on
        // the root once the window is in it.
        if (type == XCB_REPARENT_NOTIFY) {
            const auto* reparent = reinterpret_cast<const xcb_reparent_notify_event_t*>(event);
            m_clientOfFrame[reparent->parent] = reparent->window;
        } else if (type == XCB_MAP_NOTIFY) {
            const auto* map = reinterpret_cast<const xcb_map_notify_event_t*>(event);
            if (map->event == m_root && !map->override_redirect &&
                m_clientOfFrame.count(map->window))
                m_mapped.push_back(m_clientOfFrame[map->window]);
        } else if (type == XCB_UNMAP_NOTIFY) {
            const auto* unmap = reinterpret_cast<const xcb_unmap_notify_event_t*>(event);
            if (!m_mapped.empty() && m_clientOfFrame[unmap->window] == m_mapped.front())
                m_hidden = true;
        }
    }

    xcb_connection_t* m_connection;
    xcb_window_t m_root;
    pid_t m_child;
    int m_status = 0;
    bool m_exited = false;
    bool m_hidden = false;
    std::map<xcb_window_t, xcb_window_t> m_clientOfFrame;
    std::vector<xcb_window_t> m_mapped;
    std::optional<WindowPing> m_ping;
};

void requestClose(xcb_connection_t* connection, xcb_window_t window) {
    xcb_client_message_event_t message{};
    message.response_type = XCB_CLIENT_MESSAGE;
    message.format = 32;
    message.window = window;
    message.type = internAtom(connection, "WM_PROTOCOLS");
    message.data.data32[0] = internAtom(connection, "WM_DELETE_WINDOW");
    message.data.data32[1] = XCB_CURRENT_TIME;
    xcb_send_event(connection, 0, window, XCB_EVENT_MASK_NO_EVENT,
                   reinterpret_cast<const char*>(&message));
    xcb_flush(connection);
}

} // namespace

int main(int argc, char* argv[]) {
    Options options;
    if (!parse(argc, argv, options)) {
        std::fputs("usage: bench_mapwait [--windows N] [--idle SECONDS] [--actions N] "
                   "[--watch MS] [--close] [--close-after MS] -- program...\n",
                   stderr);
        return 2;
    }
    xcb_connection_t* connection = xcb_connect(nullptr, nullptr);
    if (xcb_connection_has_error(connection)) {
        std::fputs("bench_mapwait: no X display\n", stderr);
        return 1;
    }
    const xcb_window_t root = xcb_setup_roots_iterator(xcb_get_setup(connection)).data->root;
    // The toolkit answers a ping to the root window for StructureNotify listeners.
    const std::uint32_t mask = XCB_EVENT_MASK_SUBSTRUCTURE_NOTIFY | XCB_EVENT_MASK_STRUCTURE_NOTIFY;
    xcb_change_window_attributes(connection, root, XCB_CW_EVENT_MASK, &mask);
    // A round trip: the server has the mask before the program can map anything.
    std::free(xcb_get_input_focus_reply(connection, xcb_get_input_focus(connection), nullptr));

    const Clock::time_point start = Clock::now();
    const pid_t child = ::fork();
    if (child == 0) {
        ::execvp(options.command[0], options.command);
        std::perror("bench_mapwait: exec");
        std::_Exit(127);
    }

    Session session(connection, root, child);
    std::string out;
    const auto report = [&out](const std::string& name, double value) {
        char number[32];
        std::snprintf(number, sizeof number, "%.1f", value);
        out += (out.empty() ? "" : " ") + name + "=" + number;
    };
    double first = 0;
    const bool ok = session.runUntil(start + std::chrono::seconds(120), [&] {
        if (first == 0 && !session.mapped().empty())
            first = msSince(start);
        return int(session.mapped().size()) >= options.windows || session.exited();
    });
    if (!ok || int(session.mapped().size()) < options.windows) {
        std::fputs("bench_mapwait: the windows did not come\n", stderr);
        ::kill(child, SIGKILL);
        return 1;
    }
    report("map", first);
    report("last", msSince(start));

    if (options.idleSeconds > 0) {
        std::this_thread::sleep_for(std::chrono::seconds(2)); // the start's own work settles
        const auto before = usage(child);
        std::this_thread::sleep_for(std::chrono::seconds(options.idleSeconds));
        const auto after = usage(child);
        report("cpu", after.first - before.first);
        report("wakeups", double(after.second - before.second));
    }

    // Windows of other processes (the further viewers of a scan) are ended by their owners.
    std::vector<pid_t> owners;
    for (xcb_window_t window : session.mapped()) {
        if (const pid_t pid = windowPid(connection, window); pid > 0 && pid != child)
            owners.push_back(pid);
    }

    session.startPinging();
    const auto forever = [] {
        return false;
    };
    for (int action = 1; action <= options.actions; ++action) {
        // Each step begins once the window has settled after the one before.
        const Clock::time_point waiting = Clock::now();
        session.runUntil(waiting + std::chrono::seconds(20),
                         [&] { return session.ping().quietFor(milliseconds(300), waiting); });
        if (action > 1)
            report("freeze" + std::to_string(action - 1), session.ping().longestMs());
        session.ping().restart();
        ::kill(child, SIGUSR1);
    }
    if (options.actions > 0 && options.closeAfterMs < 0) {
        session.runUntil(Clock::now() + std::chrono::seconds(120),
                         [&] { return session.hidden() || session.exited(); });
        report("freeze" + std::to_string(options.actions), session.ping().longestMs());
    }
    if (options.watchMs > 0)
        session.runUntil(Clock::now() + milliseconds(options.watchMs), forever);
    if (options.closeAfterMs >= 0) {
        session.runUntil(Clock::now() + milliseconds(options.closeAfterMs), forever);
        // The freezes count until the close request: what the close itself takes is its own.
        report(options.actions > 0 ? "freeze" + std::to_string(options.actions) : "freeze",
               session.ping().longestMs());
        const Clock::time_point closing = Clock::now();
        requestClose(connection, session.mapped().front());
        session.runUntil(closing + std::chrono::seconds(60), [&] { return session.exited(); });
        // A program still running after a minute reports the minute.
        report("close", msSince(closing));
    } else if (options.actions == 0 && options.watchMs > 0) {
        report("freeze", session.ping().longestMs());
    }
    session.stopPinging();
    std::printf("%s\n", out.c_str());
    std::fflush(stdout);

    for (const pid_t pid : owners)
        ::kill(pid, SIGKILL);
    ::kill(child, SIGKILL);
    ::waitpid(child, nullptr, 0);
    xcb_disconnect(connection);
    return 0;
}
