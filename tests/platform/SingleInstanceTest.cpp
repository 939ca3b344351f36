#include "SingleInstance.h"

#include <QElapsedTimer>
#include <QSignalSpy>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <memory>

namespace {

const QString kKey = QStringLiteral("Zimpa");
const QString kOwnPath = QStringLiteral("/opt/zimpa/Zimpa");

class SingleInstanceTest : public ::testing::Test {
protected:
    void SetUp() override { ASSERT_TRUE(dir.isValid()); }

    std::unique_ptr<SingleInstance> make(const QString& key = kKey) const {
        return std::make_unique<SingleInstance>(key, dir.path());
    }

    QTemporaryDir dir;
};

} // namespace

TEST_F(SingleInstanceTest, OnlyTheFirstCopyPerKeyGetsTheLock) {
    auto first = make();
    EXPECT_TRUE(first->acquire());
    EXPECT_TRUE(first->acquire()); // asking again keeps what it holds

    EXPECT_FALSE(make()->acquire());
    EXPECT_TRUE(make(QStringLiteral("Viewer"))->acquire());
}

TEST_F(SingleInstanceTest, TheLockIsFreedWhenItsHolderEnds) {
    auto first = make();
    ASSERT_TRUE(first->acquire());
    auto second = make();
    ASSERT_FALSE(second->acquire());

    first.reset();
    EXPECT_TRUE(second->acquire());
    EXPECT_FALSE(make()->acquire());
}

TEST_F(SingleInstanceTest, SecondStartOfTheSameProgramActivatesTheFirst) {
    auto first = make();
    ASSERT_TRUE(first->acquire());
    ASSERT_TRUE(first->listen());
    QSignalSpy activated(first.get(), &SingleInstance::activationRequested);

    EXPECT_TRUE(make()->notifyRunning(kOwnPath));
    EXPECT_TRUE(activated.wait(5000));
    EXPECT_EQ(activated.count(), 1);
}

// A copy started from another folder gets the running one to the front all the same: otherwise
// the user would see nothing happen at all.
TEST_F(SingleInstanceTest, RequestFromAnotherProgramPathActivatesToo) {
    auto first = make();
    ASSERT_TRUE(first->listen());
    QSignalSpy activated(first.get(), &SingleInstance::activationRequested);
    auto second = make();

    EXPECT_TRUE(second->notifyRunning(QStringLiteral("/home/kati/copy/Zimpa")));
    ASSERT_TRUE(activated.wait(5000));
    EXPECT_EQ(activated.count(), 1);
}

TEST_F(SingleInstanceTest, NotifyWithoutARunningCopyFailsQuickly) {
    QElapsedTimer timer;
    timer.start();
    EXPECT_FALSE(make()->notifyRunning(kOwnPath, 5000));

    // A copy that listened and has ended leaves nobody to answer either.
    auto first = make();
    ASSERT_TRUE(first->listen());
    first.reset();
    EXPECT_FALSE(make()->notifyRunning(kOwnPath, 5000));
    EXPECT_LT(timer.elapsed(), 1000);
}
