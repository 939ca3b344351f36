#include "SessionEnd.h"

#include "Dialogs.h"
#include "Shell.h"

#include <QCloseEvent>
#include <QCoreApplication>
#include <QDialog>
#include <QString>
#include <QTest>
#include <QTimer>

#include <gtest/gtest.h>

#include <csignal>
#include <cstdio>
#include <cstdlib>

namespace {

// The display gone, the toolkit ends the program with exit() from inside its event loop: the last
// words then run with everything they hold still alive, so that the close's writes happen.
TEST(SessionEndTest, LastWordsRunWholeWhenTheProgramIsEndedByExit) {
    GTEST_FLAG_SET(death_test_style, "threadsafe");
    EXPECT_EXIT(
        {
            SessionEnd sessionEnd;
            const QString words = QStringLiteral("the lists and the settings were written");
            sessionEnd.setLastWords([words] { std::fprintf(stderr, "%s\n", qPrintable(words)); });
            std::exit(7);
        },
        ::testing::ExitedWithCode(7), "the lists and the settings were written");
}

} // namespace

namespace {

// A session-end signal as the desktop sends it, heard in the event loop.
void endTheSession() {
    ASSERT_FALSE(SessionEnd::hasEnded());
    ASSERT_EQ(::raise(SIGTERM), 0);
    ASSERT_TRUE(QTest::qWaitFor([] { return SessionEnd::hasEnded(); }));
}

// A dialog that answers itself at once, should it be shown: the test then fails instead of
// waiting for a user.
class SelfAnsweringDialog : public QDialog {
protected:
    void showEvent(QShowEvent* event) override {
        QDialog::showEvent(event);
        QMetaObject::invokeMethod(this, &QDialog::accept, Qt::QueuedConnection);
    }
};

} // namespace

// Nobody is left once the session has ended: a box's text goes to standard error, a dialog counts
// as cancelled, and no program starts, whatever would otherwise answer them.
TEST(SessionEndTest, OnceTheSessionHasEndedNothingIsShownOrStarted) {
    QList<Dialogs::Box> boxes;
    Dialogs::setResponderForTesting([&](const Dialogs::Box& box) { boxes.append(box); });
    int starts = 0;
    Shell::setStarterForTesting([&](const QString&, const QStringList&, const QString&) {
        ++starts;
        return Shell::StartResult::Started;
    });
    QStringList opened;
    Shell::setOpenerForTesting([&](const QString& text) { opened.append(text); });
    {
        SessionEnd sessionEnd;
        ASSERT_NO_FATAL_FAILURE(endTheSession());

        ::testing::internal::CaptureStderr();
        Dialogs::information(QStringLiteral("Hiba: a doboz"));
        EXPECT_EQ(Dialogs::error(QStringLiteral("Disk full.")), Dialogs::Answer::Ok);
        const std::string log = ::testing::internal::GetCapturedStderr();
        EXPECT_TRUE(boxes.isEmpty());
        EXPECT_EQ(log, "Hiba: a doboz\nDisk full.\n");

        SelfAnsweringDialog dialog;
        EXPECT_EQ(Dialogs::runModal(dialog), QDialog::Rejected);

        EXPECT_EQ(Shell::startProgram(QStringLiteral("/bin/true"), {}),
                  Shell::StartResult::SessionEnded);
        EXPECT_FALSE(Shell::open(QStringLiteral("https://example.org")));
        EXPECT_EQ(starts, 0);
        EXPECT_TRUE(opened.isEmpty());
    }
    // The program's session-end handling is gone with its object.
    EXPECT_FALSE(SessionEnd::hasEnded());
    Dialogs::setResponderForTesting({});
    Shell::setStarterForTesting({});
    Shell::setOpenerForTesting({});
}

// A window whose close fails (a write it could not do) would keep the program waiting for a user
// who has gone: it ends all the same, and says by its exit code that something failed.
TEST(SessionEndTest, AWindowThatRefusesToCloseEndsTheProgramAllTheSame) {
    class RefusingWindow : public QWidget {
    public:
        int closes = 0;

    protected:
        void closeEvent(QCloseEvent* event) override {
            ++closes;
            event->ignore();
        }
    };
    SessionEnd sessionEnd;
    RefusingWindow window;
    window.show();
    sessionEnd.closeOnEnding(&window);
    ASSERT_NO_FATAL_FAILURE(endTheSession());
    // The deadline, should the program not end.
    QTimer::singleShot(10000, [] { QCoreApplication::exit(99); });
    EXPECT_EQ(QCoreApplication::exec(), 1);
    EXPECT_EQ(window.closes, 1);
}
