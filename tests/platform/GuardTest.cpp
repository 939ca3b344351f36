#include "Guard.h"
#include "Dialogs.h"
#include "ProgramExit.h"
#include "RunError.h"

#include <QCoreApplication>
#include <QTimer>

#include <gtest/gtest.h>

#include <cerrno>
#include <stdexcept>
#include <utility>

namespace {

class GuardTest : public ::testing::Test {
protected:
    void SetUp() override {
        Dialogs::setApplicationTitle(QStringLiteral("Zimpa V2.00"));
        Dialogs::setResponderForTesting([this](const Dialogs::Box& box) { boxes.append(box); });
    }
    void TearDown() override {
        Dialogs::setResponderForTesting({});
        Dialogs::setApplicationTitle({});
    }

    void expectOneErrorBox(const QString& text) const {
        ASSERT_EQ(boxes.size(), 1);
        EXPECT_EQ(boxes[0].kind, Dialogs::Kind::Error);
        EXPECT_EQ(boxes[0].caption, QStringLiteral("Zimpa V2.00"));
        EXPECT_EQ(boxes[0].text, text);
    }

    QList<Dialogs::Box> boxes;
};

} // namespace

TEST_F(GuardTest, BodyThatFinishesShowsNothing) {
    bool ran = false;
    EXPECT_TRUE(runGuarded([&] { ran = true; }));
    EXPECT_TRUE(ran);
    EXPECT_TRUE(boxes.isEmpty());
}

TEST_F(GuardTest, RunErrorStopsTheBodyAndShowsTheErrorBox) {
    bool afterThrow = false;
    EXPECT_FALSE(runGuarded([&] {
        throw RunError(QStringLiteral("Érvénytelen dátum"));
        afterThrow = true;
    }));
    EXPECT_FALSE(afterThrow);
    expectOneErrorBox(QStringLiteral("Érvénytelen dátum."));
}

TEST_F(GuardTest, TextEndingInAFullStopGetsNoSecondOne) {
    EXPECT_FALSE(runGuarded([] { throw RunError(QStringLiteral("A fájl sérült.")); }));
    expectOneErrorBox(QStringLiteral("A fájl sérült."));
}

// The run-time's own words, by the cause alone, however the caller knows it; its numbered text
// for any other cause. No path, and no reason worded by the system or the toolkit.
TEST_F(GuardTest, IoErrorsAreWordedByTheirCause) {
    const std::pair<RunError, QString> cases[] = {
        {RunError::io(ENOSPC), QStringLiteral("Disk full.")},
        {RunError::io(ENOENT), QStringLiteral("File not found.")},
        {RunError::io(EACCES), QStringLiteral("File access denied.")},
        {RunError::io(EPERM), QStringLiteral("File access denied.")},
        {RunError::io(IoCause::ReadBeyondEnd), QStringLiteral("Read beyond end of file.")},
        {RunError::io(EIO), QStringLiteral("I/O error 5.")},
        {RunError::io(IoCause::Other), QStringLiteral("I/O error 5.")},
    };
    for (const auto& entry : cases)
        EXPECT_FALSE(runGuarded([&] { throw entry.first; }));
    ASSERT_EQ(boxes.size(), std::size(cases));
    for (size_t i = 0; i < std::size(cases); ++i)
        EXPECT_EQ(boxes[i].text, cases[i].second);
}

TEST_F(GuardTest, StandardExceptionsAreShownLikewise) {
    EXPECT_FALSE(runGuarded([] { throw std::runtime_error("Kevés a memória"); }));
    expectOneErrorBox(QStringLiteral("Kevés a memória."));

    boxes.clear();
    EXPECT_FALSE(runGuarded([] { throw 42; }));
    ASSERT_EQ(boxes.size(), 1);
    EXPECT_EQ(boxes[0].kind, Dialogs::Kind::Error);
    EXPECT_FALSE(boxes[0].text.isEmpty());
}

TEST_F(GuardTest, ProgramExitBeforeTheEventLoopGoesToTheCaller) {
    int code = 0;
    try {
        runGuarded([] { throw ProgramExit{3}; });
    } catch (const ProgramExit& exit) {
        code = exit.code;
    }
    EXPECT_EQ(code, 3);
    EXPECT_TRUE(boxes.isEmpty());
}

TEST_F(GuardTest, ProgramExitInsideTheEventLoopEndsItWithTheCode) {
    bool returned = false;
    bool finished = true;
    QTimer::singleShot(0, [&] {
        finished = runGuarded([] { throw ProgramExit{7}; });
        returned = true;
    });
    // Should the guard not end the loop, this does, so the test fails instead of hanging.
    QTimer safety;
    safety.setSingleShot(true);
    QObject::connect(&safety, &QTimer::timeout, [] { QCoreApplication::exit(-1); });
    safety.start(5000);

    EXPECT_EQ(QCoreApplication::exec(), 7);
    EXPECT_TRUE(returned);
    EXPECT_FALSE(finished);
    EXPECT_TRUE(boxes.isEmpty());
}

TEST_F(GuardTest, InformationBoxCarriesTheCaptionAndTheExactText) {
    Dialogs::setApplicationTitle(QStringLiteral("Viewer"));
    Dialogs::information(QStringLiteral("A lista megtelt"));

    ASSERT_EQ(boxes.size(), 1);
    EXPECT_EQ(boxes[0].kind, Dialogs::Kind::Information);
    EXPECT_EQ(boxes[0].caption, QStringLiteral("Viewer"));
    EXPECT_EQ(boxes[0].text, QStringLiteral("A lista megtelt"));
}
