#include "InstanceRegister.h"

#include "AtomicFile.h"
#include "RegularFile.h"
#include "TempFolder.h"

#include <QDir>
#include <QFileInfo>

#include <gtest/gtest.h>

#include <cerrno>
#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

#include <set>
#include <thread>
#include <vector>

namespace {

// Entries as the register stores them: 32-bit little-endian, back to back.
QByteArray entryBytes(std::initializer_list<qint32> numbers) {
    QByteArray bytes;
    for (const qint32 number : numbers) {
        const quint32 bits = static_cast<quint32>(number);
        for (int shift = 0; shift < 32; shift += 8)
            bytes.append(static_cast<char>((bits >> shift) & 0xFF));
    }
    return bytes;
}

class InstanceRegisterTest : public ::testing::Test {
protected:
    void TearDown() override { AtomicFile::setFaultForTesting({}); }

    QString path() const { return folder.file(QStringLiteral("pl.data")); }
    InstanceRegister make() const { return InstanceRegister(path()); }
    QByteArray bytes() const { return folder.read(QStringLiteral("pl.data")); }
    void store(const QByteArray& content) const {
        folder.write(QStringLiteral("pl.data"), content);
    }

    void failWrites() const {
        const QString target = path();
        AtomicFile::setFaultForTesting([target](const QString& p) { return p == target; });
    }

    QStringList folderEntries() const {
        return QDir(folder.path())
            .entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot);
    }

    TempFolder folder;
};

} // namespace

TEST_F(InstanceRegisterTest, AddCreatesTheRegisterAndAppends) {
    InstanceRegister reg = make();
    ASSERT_FALSE(folder.exists(QStringLiteral("pl.data")));

    EXPECT_TRUE(reg.AddInstanceId(5));
    EXPECT_EQ(bytes(), QByteArray("\x05\x00\x00\x00", 4));

    EXPECT_TRUE(reg.AddInstanceId(1023));
    EXPECT_TRUE(reg.AddInstanceId(-2)); // stored as it is given, two's complement
    EXPECT_EQ(bytes(), QByteArray("\x05\x00\x00\x00"
                                  "\xFF\x03\x00\x00"
                                  "\xFE\xFF\xFF\xFF",
                                  12));
    EXPECT_EQ(folderEntries(), QStringList{"pl.data"}); // no temporary or lock file left
}

TEST_F(InstanceRegisterTest, RemoveTakesOutEveryEqualEntryAndKeepsTheOrder) {
    store(entryBytes({7, 3, 7, 9, 7}));
    InstanceRegister reg = make();

    EXPECT_TRUE(reg.RemoveInstanceId(7));
    EXPECT_EQ(bytes(), entryBytes({3, 9}));

    EXPECT_TRUE(reg.RemoveInstanceId(512)); // not there: nothing changes
    EXPECT_EQ(bytes(), entryBytes({3, 9}));

    EXPECT_TRUE(reg.RemoveInstanceId(3));
    EXPECT_TRUE(reg.RemoveInstanceId(9));
    EXPECT_TRUE(folder.exists(QStringLiteral("pl.data")));
    EXPECT_EQ(bytes(), QByteArray());
}

TEST_F(InstanceRegisterTest, RemoveWithoutARegisterFailsAndCreatesNothing) {
    EXPECT_FALSE(make().RemoveInstanceId(1));
    EXPECT_TRUE(folderEntries().isEmpty());
}

TEST_F(InstanceRegisterTest, FindGivesTheLastPositionOfTheNumber) {
    store(entryBytes({4, 8, 1, 8}));
    const InstanceRegister reg = make();
    EXPECT_EQ(reg.FindInstanceId(8), 3);
    EXPECT_EQ(reg.FindInstanceId(4), 0);
    EXPECT_EQ(reg.FindInstanceId(2), -1);
    EXPECT_EQ(bytes(), entryBytes({4, 8, 1, 8}));

    folder.write(QStringLiteral("pl.data"), {});
    EXPECT_EQ(reg.FindInstanceId(0), -1);
    QFile::remove(path());
    EXPECT_EQ(reg.FindInstanceId(0), -1);
    EXPECT_TRUE(folderEntries().isEmpty());
}

TEST_F(InstanceRegisterTest, TheRegisterLiesInTheCurrentFolder) {
    TempFolder other;
    const QString before = QDir::currentPath();
    InstanceRegister reg; // "pl.data", no folder

    ASSERT_TRUE(QDir::setCurrent(folder.path()));
    EXPECT_TRUE(reg.AddInstanceId(11));
    ASSERT_TRUE(QDir::setCurrent(other.path()));
    EXPECT_EQ(reg.FindInstanceId(11), -1);
    EXPECT_TRUE(reg.AddInstanceId(12));
    QDir::setCurrent(before);

    EXPECT_EQ(bytes(), entryBytes({11}));
    EXPECT_EQ(other.read(QStringLiteral("pl.data")), entryBytes({12}));
}

TEST_F(InstanceRegisterTest, DrawingPicksAFreeNumberAndRegistersIt) {
    store(entryBytes({0, 2, 5000}));
    InstanceRegister reg = make();
    std::vector<int> bounds;
    reg.setRandomSource([&bounds](int bound) {
        bounds.push_back(bound);
        return 1; // the second free number
    });

    EXPECT_EQ(reg.addNewInstanceId(), 3); // free: 1, 3, 4, ...; 5000 blocks nothing
    EXPECT_EQ(bounds, std::vector<int>{1022});
    EXPECT_EQ(bytes(), entryBytes({0, 2, 5000, 3}));

    // A source that strays out of its range still gives a free number.
    reg.setRandomSource([](int) { return 99999; });
    EXPECT_EQ(reg.addNewInstanceId(), 1023);
    reg.setRandomSource([](int) { return -7; });
    EXPECT_EQ(reg.addNewInstanceId(), 1);
}

TEST_F(InstanceRegisterTest, DrawingFromTheSystemSourceStaysInRange) {
    InstanceRegister reg = make();
    std::set<qint32> drawn;
    for (int i = 0; i < 50; ++i) {
        const std::optional<qint32> number = reg.addNewInstanceId();
        ASSERT_TRUE(number.has_value());
        EXPECT_GE(*number, 0);
        EXPECT_LT(*number, 1024);
        drawn.insert(*number);
    }
    EXPECT_EQ(drawn.size(), 50u);
    EXPECT_EQ(bytes().size(), 200);
}

TEST_F(InstanceRegisterTest, AFullRegisterGivesNoNumberAndStaysAsItWas) {
    QByteArray all;
    for (qint32 number = 1023; number >= 0; --number)
        all += entryBytes({number});
    all += entryBytes({17}); // a number twice, after a crash or a race
    store(all);
    InstanceRegister reg = make();
    reg.setRandomSource([](int) { return 0; });

    EXPECT_EQ(reg.addNewInstanceId(), std::nullopt);
    EXPECT_EQ(reg.lastError(), 0);
    EXPECT_EQ(bytes(), all);

    // One number freed is the one drawn.
    EXPECT_TRUE(reg.RemoveInstanceId(600));
    EXPECT_EQ(reg.addNewInstanceId(), 600);
}

TEST_F(InstanceRegisterTest, ADamagedRegisterIsReadAsFarAsItGoes) {
    // A torn last entry, numbers no viewer can hold.
    store(entryBytes({-1, 6, 70000}) + QByteArray("\x09\x00", 2));
    InstanceRegister reg = make();

    EXPECT_EQ(reg.entries(), (QList<qint32>{-1, 6, 70000}));
    EXPECT_EQ(reg.FindInstanceId(9), -1);
    EXPECT_EQ(reg.FindInstanceId(70000), 2);

    // A change rewrites whole entries only, and keeps the strange ones.
    EXPECT_TRUE(reg.AddInstanceId(8));
    EXPECT_EQ(bytes(), entryBytes({-1, 6, 70000, 8}));
    EXPECT_TRUE(reg.RemoveInstanceId(6));
    EXPECT_EQ(bytes(), entryBytes({-1, 70000, 8}));

    store(QByteArray("\x01\x02\x03", 3)); // not even one entry
    EXPECT_TRUE(reg.entries().isEmpty());
    reg.setRandomSource([](int) { return 0; });
    EXPECT_EQ(reg.addNewInstanceId(), 0);
    EXPECT_EQ(bytes(), entryBytes({0}));
}

TEST_F(InstanceRegisterTest, AFailedWriteKeepsTheOldRegisterAndIsReported) {
    store(entryBytes({1, 2}));
    InstanceRegister reg = make();
    failWrites();

    EXPECT_FALSE(reg.AddInstanceId(3));
    EXPECT_NE(reg.lastError(), 0);
    EXPECT_FALSE(reg.RemoveInstanceId(1));
    EXPECT_EQ(reg.addNewInstanceId(), std::nullopt);
    EXPECT_EQ(bytes(), entryBytes({1, 2}));
    EXPECT_EQ(folderEntries(), QStringList{"pl.data"});

    AtomicFile::setFaultForTesting({});
    EXPECT_TRUE(reg.AddInstanceId(3));
    EXPECT_EQ(reg.lastError(), 0);
    EXPECT_EQ(bytes(), entryBytes({1, 2, 3}));
}

TEST_F(InstanceRegisterTest, AFailedFirstWriteLeavesNoEmptyRegister) {
    InstanceRegister reg = make();
    failWrites();

    EXPECT_FALSE(reg.AddInstanceId(3));
    EXPECT_EQ(reg.addNewInstanceId(), std::nullopt);
    EXPECT_TRUE(folderEntries().isEmpty());
}

TEST_F(InstanceRegisterTest, ViewersChangingTheRegisterTogetherLoseNothing) {
    store(entryBytes({900, 901, 902, 903}));
    constexpr int kViewers = 8;
    constexpr int kEach = 30;
    std::vector<std::thread> viewers;
    for (int v = 0; v < kViewers; ++v) {
        viewers.emplace_back([this, v] {
            InstanceRegister reg = make();
            for (int i = 0; i < kEach; ++i)
                reg.AddInstanceId(v * kEach + i);
            if (v < 4)
                reg.RemoveInstanceId(900 + v);
        });
    }
    for (std::thread& viewer : viewers)
        viewer.join();

    const QList<qint32> entries = make().entries();
    const std::set<qint32> held(entries.begin(), entries.end());
    EXPECT_EQ(entries.size(), kViewers * kEach);
    EXPECT_EQ(held.size(), static_cast<size_t>(kViewers * kEach));
    EXPECT_EQ(*held.begin(), 0);
    EXPECT_EQ(*held.rbegin(), kViewers * kEach - 1);
}

TEST_F(InstanceRegisterTest, ViewersDrawingTogetherGetDistinctNumbers) {
    constexpr int kViewers = 8;
    constexpr int kEach = 25;
    std::vector<std::vector<qint32>> drawn(kViewers);
    std::vector<std::thread> viewers;
    for (int v = 0; v < kViewers; ++v) {
        viewers.emplace_back([this, v, &drawn] {
            InstanceRegister reg = make();
            // Every viewer tries the lowest free number, so any overlap would show.
            reg.setRandomSource([](int) { return 0; });
            for (int i = 0; i < kEach; ++i) {
                if (const std::optional<qint32> number = reg.addNewInstanceId())
                    drawn[v].push_back(*number);
            }
        });
    }
    for (std::thread& viewer : viewers)
        viewer.join();

    std::set<qint32> all;
    for (const std::vector<qint32>& numbers : drawn) {
        EXPECT_EQ(numbers.size(), static_cast<size_t>(kEach));
        all.insert(numbers.begin(), numbers.end());
    }
    EXPECT_EQ(all.size(), static_cast<size_t>(kViewers * kEach));
    EXPECT_EQ(bytes().size(), 4 * kViewers * kEach);
}

TEST_F(InstanceRegisterTest, AStuckLockHolderDoesNotStopAViewer) {
    store(entryBytes({1}));
    const int fd = ::open(QFile::encodeName(path()).constData(), O_RDONLY | O_CLOEXEC);
    ASSERT_GE(fd, 0);
    ASSERT_EQ(::flock(fd, LOCK_EX), 0);

    EXPECT_TRUE(make().AddInstanceId(2)); // after waiting a while, without the lock
    ::close(fd);
    EXPECT_EQ(bytes(), entryBytes({1, 2}));
}

TEST_F(InstanceRegisterTest, AFolderInThePlaceOfTheRegisterIsNoRegister) {
    ASSERT_TRUE(QDir(folder.path()).mkdir(QStringLiteral("pl.data")));
    InstanceRegister reg = make();
    EXPECT_EQ(reg.FindInstanceId(0), -1);
    EXPECT_FALSE(reg.AddInstanceId(1));
    EXPECT_NE(reg.lastError(), 0);
    EXPECT_FALSE(reg.RemoveInstanceId(1));
    EXPECT_EQ(reg.addNewInstanceId(), std::nullopt);
    EXPECT_TRUE(QFileInfo(path()).isDir());
}

// A register that cannot be read is no empty one: writing it anew would drop the other viewers.
// A pipe in its place is refused at once, like a folder.
TEST_F(InstanceRegisterTest, AFailedReadChangesNothingAndAPipeHoldsNoViewer) {
    store(entryBytes({1, 2}));
    RegularFile::setReadFaultForTesting([](const QString&) { return EIO; });
    InstanceRegister reg = make();
    EXPECT_FALSE(reg.AddInstanceId(3));
    EXPECT_EQ(reg.addNewInstanceId(), std::nullopt);
    RegularFile::setReadFaultForTesting({});
    EXPECT_EQ(bytes(), entryBytes({1, 2}));

    ASSERT_TRUE(QFile::remove(path()));
    ASSERT_EQ(::mkfifo(QFile::encodeName(path()), 0600), 0);
    EXPECT_EQ(reg.addNewInstanceId(), std::nullopt);
    EXPECT_FALSE(QFileInfo(path()).isFile());
}
