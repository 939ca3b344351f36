// Starts a program on the X display and times its windows from outside: an X client of our own
// hears every top-level window the window manager maps (MapNotify on the root window), so the
// time is the moment the window is there, not when a poller happens to look.
//
//   bench_mapwait [--windows N] [--idle SECONDS] [--close] -- program arguments...
//
// Prints "map_first_ms map_last_ms" once N windows are mapped (N defaults to 1), then with
// --idle the program's processor time and wake-ups (context switches) over that many seconds,
// "idle_cpu_ms idle_wakeups", and with --close the time from the close request (the window
// manager's delete message to the first window) to the program's end, "close_ms". Every window
// mapped is then ended by its process number (_NET_WM_PID); the program started is ended too.
#include <xcb/xcb.h>

#include <chrono>
#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <fstream>
#include <map>
#include <poll.h>
#include <set>
#include <sstream>
#include <string>
#include <sys/wait.h>
#include <thread>
#include <unistd.h>
#include <vector>

namespace {

using Clock = std::chrono::steady_clock;

double msSince(Clock::time_point start) {
    return std::chrono::duration<double, std::milli>(Clock::now() - start).count();
}

xcb_atom_t atom(xcb_connection_t* connection, const char* name) {
    xcb_intern_atom_reply_t* reply = xcb_intern_atom_reply(
        connection, xcb_intern_atom(connection, 0, std::uint16_t(std::strlen(name)), name),
        nullptr);
    const xcb_atom_t result = reply ? reply->atom : xcb_atom_t(XCB_ATOM_NONE);
    std::free(reply);
    return result;
}

pid_t windowPid(xcb_connection_t* connection, xcb_window_t window) {
    const xcb_atom_t pidAtom = atom(connection, "_NET_WM_PID");
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
    bool close = false;
    char** command = nullptr;
};

bool parse(int argc, char* argv[], Options& options) {
    for (int i = 1; i < argc; ++i) {
        const std::string arg = argv[i];
        if (arg == "--windows" && i + 1 < argc)
            options.windows = std::atoi(argv[++i]);
        else if (arg == "--idle" && i + 1 < argc)
            options.idleSeconds = std::atoi(argv[++i]);
        else if (arg == "--close")
            options.close = true;
        else if (arg == "--" && i + 1 < argc) {
            options.command = argv + i + 1;
            return options.windows > 0;
        } else
            return false;
    }
    return false;
}

bool waitForEvent(xcb_connection_t* connection, int timeoutMs) {
    pollfd fd{xcb_get_file_descriptor(connection), POLLIN, 0};
    return ::poll(&fd, 1, timeoutMs) > 0;
}

} // namespace

int main(int argc, char* argv[]) {
    Options options;
    if (!parse(argc, argv, options)) {
        std::fputs("usage: bench_mapwait [--windows N] [--idle SECONDS] [--close] -- program...\n",
                   stderr);
        return 2;
    }
    xcb_connection_t* connection = xcb_connect(nullptr, nullptr);
    if (xcb_connection_has_error(connection)) {
        std::fputs("bench_mapwait: no X display\n", stderr);
        return 1;
    }
    const xcb_window_t root = xcb_setup_roots_iterator(xcb_get_setup(connection)).data->root;
    const std::uint32_t mask = XCB_EVENT_MASK_SUBSTRUCTURE_NOTIFY;
    xcb_change_window_attributes(connection, root, XCB_CW_EVENT_MASK, &mask);
    // A round trip: the server has the mask before the program can map anything.
    xcb_get_input_focus_reply_t* sync =
        xcb_get_input_focus_reply(connection, xcb_get_input_focus(connection), nullptr);
    std::free(sync);

    const Clock::time_point start = Clock::now();
    const pid_t child = ::fork();
    if (child == 0) {
        ::execvp(options.command[0], options.command);
        std::perror("bench_mapwait: exec");
        std::_Exit(127);
    }

    // A managed window is reparented into the manager's frame, and the frame is mapped on the
    // root once the window is in it.
    std::map<xcb_window_t, xcb_window_t> clientOfFrame;
    std::vector<xcb_window_t> mapped;
    double first = 0, last = 0;
    while (int(mapped.size()) < options.windows) {
        xcb_generic_event_t* event = xcb_poll_for_event(connection);
        if (!event) {
            if (xcb_connection_has_error(connection) || msSince(start) > 120000) {
                std::fputs("bench_mapwait: the windows did not come\n", stderr);
                ::kill(child, SIGKILL);
                return 1;
            }
            waitForEvent(connection, 1000);
            continue;
        }
        const int type = event->response_type & 0x7F;
        if (type == XCB_REPARENT_NOTIFY) {
            const auto* reparent = reinterpret_cast<xcb_reparent_notify_event_t*>(event);
            clientOfFrame[reparent->parent] = reparent->window;
        } else if (type == XCB_MAP_NOTIFY) {
            const auto* map = reinterpret_cast<xcb_map_notify_event_t*>(event);
            if (map->event == root && !map->override_redirect && clientOfFrame.count(map->window)) {
                mapped.push_back(clientOfFrame[map->window]);
                last = msSince(start);
                if (mapped.size() == 1)
                    first = last;
            }
        }
        std::free(event);
    }
    std::printf("%.1f %.1f", first, last);

    if (options.idleSeconds > 0) {
        std::this_thread::sleep_for(std::chrono::seconds(2)); // the start's own work settles
        const auto before = usage(child);
        std::this_thread::sleep_for(std::chrono::seconds(options.idleSeconds));
        const auto after = usage(child);
        std::printf(" %.1f %ld", after.first - before.first, after.second - before.second);
    }

    std::vector<pid_t> owners;
    for (xcb_window_t window : mapped) {
        if (const pid_t pid = windowPid(connection, window); pid > 0 && pid != child)
            owners.push_back(pid);
    }
    if (options.close) {
        xcb_client_message_event_t message{};
        message.response_type = XCB_CLIENT_MESSAGE;
        message.format = 32;
        message.window = mapped.front();
        message.type = atom(connection, "WM_PROTOCOLS");
        message.data.data32[0] = atom(connection, "WM_DELETE_WINDOW");
        message.data.data32[1] = XCB_CURRENT_TIME;
        const Clock::time_point closing = Clock::now();
        xcb_send_event(connection, 0, mapped.front(), XCB_EVENT_MASK_NO_EVENT,
                       reinterpret_cast<const char*>(&message));
        xcb_flush(connection);
        int status = 0;
        ::waitpid(child, &status, 0);
        std::printf(" %.1f", msSince(closing));
    }
    std::printf("\n");
    std::fflush(stdout);

    for (const pid_t pid : owners)
        ::kill(pid, SIGKILL);
    ::kill(child, SIGKILL);
    ::waitpid(child, nullptr, 0);
    xcb_disconnect(connection);
    return 0;
}
