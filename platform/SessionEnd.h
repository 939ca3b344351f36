#pragma once

#include <QObject>

#include <functional>

class QSocketNotifier;
class QWidget;

// The end of the desktop session as a program hears it. Logging out and shutting down send
// SIGTERM, SIGHUP or SIGINT; the handler only writes the signal's number into a pipe, and the
// event loop reads it and emits ending(), so that the program closes as its window's close box
// would, with everything that close writes.
//
// When the X display goes away the toolkit ends the program on the spot with exit(), from inside
// the event loop; the windows still exist then. The last words set here run at that exit (not at
// a normal end of the program, and not a second time), so that the program can still write what
// its close would have written. Boxes cannot be shown any more at that point.
class SessionEnd : public QObject {
    Q_OBJECT

public:
    // Installs the handlers for the three signals; one object per program.
    explicit SessionEnd(QObject* parent = nullptr);
    ~SessionEnd() override;

    // From now on a session-end signal closes the window, as its close box does. A signal that
    // came while the window was being made closes it at once. Either way the modal boxes and
    // dialogs open at the signal are left first, as with their own close boxes. A close that the
    // window refuses (a write failed) ends the program all the same, with exit code 1.
    void closeOnEnding(QWidget* window);

    // What to write when the program is ended by the toolkit before its close could run. Cleared
    // by clearLastWords() (the close ran) and when this object goes.
    void setLastWords(std::function<void()> lastWords);
    void clearLastWords();

    // Whether the session has ended: a session-end signal came, or the display went away. From
    // then on the program only closes: no box or dialog opens (see Dialogs) and no other program
    // is started (see Shell). Until the program's object goes.
    static bool hasEnded();

signals:
    // A session-end signal arrived; emitted in the event loop.
    void ending();

private:
    void readSignal();

    QSocketNotifier* m_notifier = nullptr;
    bool m_arrived = false;
};
