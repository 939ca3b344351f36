#include "SessionEnd.h"

#include <QApplication>
#include <QSocketNotifier>
#include <QWidget>

#include <cerrno>
#include <csignal>
#include <cstdlib>
#include <fcntl.h>
#include <unistd.h>
#include <utility>

namespace {

constexpr int Signals[] = {SIGTERM, SIGHUP, SIGINT};

int signalPipe[2] = {-1, -1};

bool sessionEnded = false;

// Runs in the signal's context: only the write of one byte, which is safe there.
void onSignal(int number) {
    const int saved = errno;
    const char byte = static_cast<char>(number);
    [[maybe_unused]] const ssize_t written = ::write(signalPipe[1], &byte, 1);
    errno = saved;
}

// Never destroyed: exit() runs the destructors of statics made after sayLastWords was registered
// before it runs sayLastWords, and the words must still be whole then.
std::function<void()>& lastWords() {
    static auto* const value = new std::function<void()>;
    return *value;
}

void sayLastWords() {
    // Taken out first, so that a failure inside cannot bring them round again.
    const std::function<void()> words = std::exchange(lastWords(), {});
    if (!words)
        return;
    // No display is left to show a box on: whatever the close would report goes to the log.
    sessionEnded = true;
    words();
}

} // namespace

SessionEnd::SessionEnd(QObject* parent)
    : QObject(parent) {
    if (signalPipe[0] < 0 && ::pipe2(signalPipe, O_CLOEXEC | O_NONBLOCK) != 0)
        return;
    m_notifier = new QSocketNotifier(signalPipe[0], QSocketNotifier::Read, this);
    connect(m_notifier, &QSocketNotifier::activated, this, &SessionEnd::readSignal);
    struct sigaction action = {};
    action.sa_handler = onSignal;
    sigemptyset(&action.sa_mask);
    action.sa_flags = SA_RESTART;
    for (const int number : Signals)
        ::sigaction(number, &action, nullptr);
    static const bool registered = std::atexit(sayLastWords) == 0;
    Q_UNUSED(registered);
}

SessionEnd::~SessionEnd() {
    clearLastWords();
    sessionEnded = false;
    for (const int number : Signals)
        ::signal(number, SIG_DFL);
}

void SessionEnd::setLastWords(std::function<void()> words) {
    lastWords() = std::move(words);
}

void SessionEnd::clearLastWords() {
    lastWords() = {};
}

bool SessionEnd::hasEnded() {
    return sessionEnded;
}

void SessionEnd::closeOnEnding(QWidget* window) {
    // Queued: a modal dialog's own loop must end before the window's close can end the program.
    // Nobody is left to make a refused close go through later.
    const auto close = [window] {
        QMetaObject::invokeMethod(
            window,
            [window] {
                if (!window->close())
                    QCoreApplication::exit(1);
            },
            Qt::QueuedConnection);
    };
    connect(this, &SessionEnd::ending, window, close);
    if (m_arrived)
        close();
}

void SessionEnd::readSignal() {
    // Signals that came together ask for one close.
    char bytes[16];
    bool any = false;
    while (::read(signalPipe[0], bytes, sizeof bytes) > 0)
        any = true;
    if (!any)
        return;
    m_arrived = true;
    sessionEnded = true;
    // Nobody is left to answer a box or a dialog, also one opened while a window is being made.
    for (int guard = 0; guard < 16; ++guard) {
        QWidget* modal = QApplication::activeModalWidget();
        if (!modal)
            break;
        modal->close();
    }
    emit ending();
}
