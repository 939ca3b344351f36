#include "ProfileFile.h"
#include "AtomicFile.h"
#include "RunError.h"

#include "TempFolder.h"

#include <QDir>
#include <QFile>

#include <gtest/gtest.h>

#include <fcntl.h>
#include <future>
#include <latch>
#include <sys/file.h>
#include <thread>
#include <unistd.h>

namespace {

class ProfileFileTest : public ::testing::Test {
protected:
    void TearDown() override { AtomicFile::setFaultForTesting({}); }

    QString ini() const { return folder.file("Zimpa.ini"); }

    QString read(const QString& section, const QString& key) const {
        return ProfileFile::readString(ini(), section, key, QStringLiteral("<default>"));
    }

    void write(const QString& section, const QString& key, const QString& value) const {
        ProfileFile::writeString(ini(), section, key, value);
    }

    QStringList folderEntries() const {
        return QDir(folder.path())
            .entryList(QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot,
                       QDir::Name);
    }

    TempFolder folder;
};

// The message a failed write must raise, or "" when it raises none.
QString writeError(const QString& path) {
    try {
        ProfileFile::writeString(path, "Main", "Key", "Value");
    } catch (const RunError& error) {
        return error.text();
    }
    return {};
}

} // namespace

TEST_F(ProfileFileTest, NamesMatchInAnyLetterCaseAccentedLettersToo) {
    // "[Beállítások]", "Szín=kék" in Windows-1250.
    folder.write("Zimpa.ini", "[Be\xE1ll\xEDt\xE1sok]\r\nSz\xEDn=k\xE9k\r\n");

    EXPECT_EQ(read("beállítások", "SZÍN"), "kék");
    EXPECT_EQ(read("BEÁLLÍTÁSOK", "szín"), "kék");
    EXPECT_EQ(read("Beallitasok", "Szin"), "<default>");
}

TEST_F(ProfileFileTest, BlanksAroundNamesAndValuesAreTrimmed) {
    folder.write("Zimpa.ini", "  [ Main ]  \r\n\t Key \t=  some  value \t\r\nEmpty=  \r\n");

    EXPECT_EQ(read("Main", "Key"), "some  value");
    EXPECT_EQ(read(" main\t", "\tkey "), "some  value");
    EXPECT_EQ(read("Main", "Empty"), "");
}

TEST_F(ProfileFileTest, AValueInAMatchingPairOfQuotesLosesThatPair) {
    folder.write("Zimpa.ini", "[Q]\r\n"
                              "double=\"quoted\"\r\n"
                              "single= 'single' \r\n"
                              "mixed=\"mixed'\r\n"
                              "nested=\"\"x\"\"\r\n"
                              "inner=\" blanks kept \"\r\n"
                              "lone=\"\r\n");

    EXPECT_EQ(read("Q", "double"), "quoted");
    EXPECT_EQ(read("Q", "single"), "single");
    EXPECT_EQ(read("Q", "mixed"), "\"mixed'");
    EXPECT_EQ(read("Q", "nested"), "\"x\"");
    EXPECT_EQ(read("Q", "inner"), " blanks kept ");
    EXPECT_EQ(read("Q", "lone"), "\"");
}

TEST_F(ProfileFileTest, CommentsAndLinesWithoutEqualsNeverMatch) {
    folder.write("Zimpa.ini", "top=before any section\r\n"
                              "[S]\r\n"
                              ";Key=comment\r\n"
                              "\t; Key=indented comment\r\n"
                              "Key\r\n"
                              "[broken\r\n"
                              "Other=1\r\n"
                              ";[T]\r\n"
                              "InT=2\r\n");

    EXPECT_EQ(read("S", "Key"), "<default>");
    EXPECT_EQ(read("S", ";Key"), "<default>");
    EXPECT_EQ(read("S", "top"), "<default>");
    // Neither the "[" line without "]" nor the commented header starts a section.
    EXPECT_EQ(read("S", "Other"), "1");
    EXPECT_EQ(read("S", "InT"), "2");
    EXPECT_EQ(read("T", "InT"), "<default>");
    EXPECT_EQ(read("broken", "Other"), "<default>");
}

TEST_F(ProfileFileTest, TheFirstKeyOfTheFirstSectionOfANameWins) {
    folder.write("Zimpa.ini", "[A]\r\nk=1\r\nK=2\r\n[B]\r\nk=3\r\n[a]\r\nk=4\r\nonly=5\r\n");

    EXPECT_EQ(read("A", "k"), "1");
    EXPECT_EQ(read("B", "k"), "3");
    EXPECT_EQ(read("A", "only"), "<default>");

    // A write goes to that same first section, so it is what is read back.
    write("a", "only", "6");
    EXPECT_EQ(folder.read("Zimpa.ini"),
              "[A]\r\nk=1\r\nK=2\r\nonly=6\r\n[B]\r\nk=3\r\n[a]\r\nk=4\r\nonly=5\r\n");
    EXPECT_EQ(read("A", "only"), "6");
}

TEST_F(ProfileFileTest, AtMost2047CharactersOfAValueAreReturned) {
    QByteArray value;
    while (value.size() < 3000)
        value += "0123456789";
    value.truncate(3000);
    folder.write("Zimpa.ini", "[S]\r\nlong=" + value + "\r\nquoted=\"" + value + "\"\r\n");

    EXPECT_EQ(read("S", "long"), QString::fromLatin1(value.left(2047)));
    // The quotes come off before the cut.
    EXPECT_EQ(read("S", "quoted"), QString::fromLatin1(value.left(2047)));
}

TEST_F(ProfileFileTest, ReadsLfLineEndsAndALastLineWithoutALineEnd) {
    folder.write("Zimpa.ini", "[S]\nA=1\r\nB=2\n[T]\nC=3");

    EXPECT_EQ(read("S", "A"), "1");
    EXPECT_EQ(read("S", "B"), "2");
    EXPECT_EQ(read("T", "C"), "3");
}

TEST_F(ProfileFileTest, MissingFileSectionOrKeyGivesTheDefaultAndReadingCreatesNothing) {
    EXPECT_EQ(read("Main", "Key"), "<default>");
    EXPECT_TRUE(folderEntries().isEmpty());

    folder.write("Zimpa.ini", "[Main]\r\nKey=1\r\n");
    EXPECT_EQ(read("Other", "Key"), "<default>");
    EXPECT_EQ(read("Main", "Other"), "<default>");
    EXPECT_EQ(folderEntries(), QStringList{"Zimpa.ini"});
}

TEST_F(ProfileFileTest, ValuesAreWindows1250InTheFile) {
    folder.write("Zimpa.ini", "[S]\r\nold=\xC1rv\xEDzt\xFBr\xF5\r\n");
    EXPECT_EQ(read("S", "old"), "Árvíztűrő");

    write("S", "new", "tükörfúrógép ŰŐ");
    EXPECT_EQ(folder.read("Zimpa.ini"),
              "[S]\r\nold=\xC1rv\xEDzt\xFBr\xF5\r\nnew=t\xFCk\xF6rf\xFAr\xF3g\xE9p \xDB\xD5\r\n");
}

TEST_F(ProfileFileTest, ReplacingAValueKeepsEveryOtherByte) {
    const QByteArray before = "; settings\r\n[Main]\r\n  KEY = old value \r\nOther=x\n\n"
                              "[Next]\r\nKey=untouched\r\n\xE9\x00\x1A trailing";
    folder.write("Zimpa.ini", before);

    write("main", "key", "new");

    QByteArray expected = before;
    expected.replace("  KEY = old value ", "  KEY =new");
    EXPECT_EQ(folder.read("Zimpa.ini"), expected);
}

TEST_F(ProfileFileTest, ReplacingTheLastLineKeepsItWithoutALineEnd) {
    folder.write("Zimpa.ini", "[S]\nk=1");
    write("S", "k", "22");
    EXPECT_EQ(folder.read("Zimpa.ini"), "[S]\nk=22");
}

TEST_F(ProfileFileTest, ANewKeyGoesAfterTheSectionsLastNonBlankLine) {
    folder.write("Zimpa.ini", "[A]\r\nx=1\r\n;note\r\n\r\n \t\r\n[B]\nz=2\n");
    write("A", "y", "new");
    EXPECT_EQ(folder.read("Zimpa.ini"), "[A]\r\nx=1\r\n;note\r\ny=new\r\n\r\n \t\r\n[B]\nz=2\n");

    write("B", "w", "3");
    EXPECT_EQ(folder.read("Zimpa.ini"),
              "[A]\r\nx=1\r\n;note\r\ny=new\r\n\r\n \t\r\n[B]\nz=2\nw=3\r\n");
}

TEST_F(ProfileFileTest, ANewKeyAfterALastLineWithoutALineEndStartsItsOwnLine) {
    folder.write("Zimpa.ini", "[A]");
    write("A", "k", "v");
    EXPECT_EQ(folder.read("Zimpa.ini"), "[A]\r\nk=v\r\n");
}

TEST_F(ProfileFileTest, ANewSectionIsAppendedAtTheEnd) {
    folder.write("Zimpa.ini", "[A]\r\nx=1\r\n\r\n");
    write("New", "k", "v");
    EXPECT_EQ(folder.read("Zimpa.ini"), "[A]\r\nx=1\r\n\r\n[New]\r\nk=v\r\n");

    folder.write("Zimpa.ini", "[A]\nx=1");
    write("New", "k", "v");
    EXPECT_EQ(folder.read("Zimpa.ini"), "[A]\nx=1\r\n[New]\r\nk=v\r\n");
}

TEST_F(ProfileFileTest, AMissingFileIsCreatedWithTrimmedNames) {
    write(" Main\t", " Key ", " value ");
    EXPECT_EQ(folder.read("Zimpa.ini"), "[Main]\r\nKey= value \r\n");
    EXPECT_EQ(read("Main", "Key"), "value");
}

TEST_F(ProfileFileTest, ALineBreakInAValueCannotAddLines) {
    write("Main", "Key", "one\r\n[Evil]\nx=1");

    EXPECT_EQ(folder.read("Zimpa.ini"), "[Main]\r\nKey=one  [Evil] x=1\r\n");
    EXPECT_EQ(read("Evil", "x"), "<default>");
}

TEST_F(ProfileFileTest, AFailedWriteRaisesAndKeepsTheOldFile) {
    const QByteArray before = "[Main]\r\nKey=old\r\n";
    folder.write("Zimpa.ini", before);
    AtomicFile::setFaultForTesting([](const QString&) { return true; });

    EXPECT_EQ(writeError(ini()), "Unable to write to " + ini());
    EXPECT_EQ(folder.read("Zimpa.ini"), before);

    AtomicFile::setFaultForTesting({});
    EXPECT_EQ(writeError(ini()), "");
    EXPECT_EQ(read("Main", "Key"), "Value");
}

TEST_F(ProfileFileTest, AWriteIntoAMissingFolderRaisesAndCreatesNothing) {
    const QString path = folder.file("missing/Zimpa.ini");

    EXPECT_EQ(writeError(path), "Unable to write to " + path);
    EXPECT_TRUE(folderEntries().isEmpty());
}

TEST_F(ProfileFileTest, AWriteWhoseLockFileCannotBeMadeRaisesAndKeepsTheOldFile) {
    const QByteArray before = "[Main]\r\nKey=old\r\n";
    folder.write("Zimpa.ini", before);
    // A folder in the lock file's place refuses to open even for root.
    ASSERT_TRUE(QDir(folder.path()).mkdir("Zimpa.ini.lock"));

    EXPECT_EQ(writeError(ini()), "Unable to write to " + ini());
    EXPECT_EQ(folder.read("Zimpa.ini"), before);
}

// A stuck program that holds the lock must not hold the writer for good: the write fails as
// any failed write does, in a bounded time, and the file stays as it was.
TEST_F(ProfileFileTest, AWriteThatCannotGetTheLockInTimeRaisesAndKeepsTheOldFile) {
    const QByteArray before = "[Main]\r\nKey=old\r\n";
    folder.write("Zimpa.ini", before);
    const int holder =
        ::open(QFile::encodeName(ini() + ".lock").constData(), O_RDWR | O_CREAT, 0666);
    ASSERT_EQ(::flock(holder, LOCK_EX), 0);
    std::future<QString> error =
        std::async(std::launch::async, [this] { return writeError(ini()); });
    const bool ended = error.wait_for(std::chrono::seconds(10)) == std::future_status::ready;
    ::close(holder); // lets a writer still waiting go, so that a failing test does not hang
    ASSERT_TRUE(ended) << "the write waited for the lock without a bound";
    EXPECT_EQ(error.get(), "Unable to write to " + ini());
    EXPECT_EQ(folder.read("Zimpa.ini"), before);
}

TEST_F(ProfileFileTest, TwoWritersAtOnceLoseNeithersKeys) {
    folder.write("Zimpa.ini", "[Main]\r\nKeep=1\r\n");
    constexpr int kKeys = 50;
    std::latch start(2);
    const auto writer = [&](const QString& prefix) {
        start.arrive_and_wait();
        for (int i = 0; i < kKeys; ++i)
            write("Main", prefix + QString::number(i), prefix + "-value-" + QString::number(i));
    };

    std::thread first(writer, QStringLiteral("first"));
    std::thread second(writer, QStringLiteral("second"));
    first.join();
    second.join();

    EXPECT_EQ(read("Main", "Keep"), "1");
    for (const QString prefix : {"first", "second"}) {
        for (int i = 0; i < kKeys; ++i) {
            EXPECT_EQ(read("Main", prefix + QString::number(i)),
                      prefix + "-value-" + QString::number(i));
        }
    }
    EXPECT_EQ(folder.read("Zimpa.ini").count("\r\n"), 2 + 2 * kKeys);
}

// The keys one window writes at close go in one read-modify-write, and must leave exactly the
// file that writing them one by one leaves: over files with and without the section, with the
// key already there in another spelling, with another program's keys, comments, a duplicate
// section, LF line ends and a last line without its line end.
TEST_F(ProfileFileTest, ABatchLeavesTheBytesOfTheSameWritesOneByOne) {
    const QList<QByteArray> starts = {
        {},
        "",
        "; kept\r\n[ViewForm]\r\nTop=5\r\n\r\n[General]\r\nHomePage=x\r\n",
        "[MainForm]\r\n  fontname = Tahoma  \r\n;Top=1\r\nTop\r\n\r\n[ViewForm]\r\nTop=7",
        "[mainform]\nLeft=3\n\n[Other]\nk=v\n[MainForm]\nWidth=9\n",
        "[MainForm]\r\nPageIndex=2",
    };
    const QList<ProfileFile::Entry> entries = {
        {"MainForm", "FontName", "Arial"}, {"MainForm", "Top", "50"},
        {" MainForm ", "Left", " 60 "},    {"MainForm", "Width", "one\r\ntwo"},
        {"MainForm", "PageIndex", "4"},    {"New", "Key", "ő"},
        {"MainForm", "TOP", "51"},         {"ViewForm", "Top", "8"},
    };
    for (qsizetype i = 0; i < starts.size(); ++i) {
        const QString single = folder.file(QStringLiteral("single%1.ini").arg(i));
        const QString batch = folder.file(QStringLiteral("batch%1.ini").arg(i));
        if (!starts[i].isNull()) {
            folder.write(QStringLiteral("single%1.ini").arg(i), starts[i]);
            folder.write(QStringLiteral("batch%1.ini").arg(i), starts[i]);
        }
        for (const ProfileFile::Entry& entry : entries)
            ProfileFile::writeString(single, entry.section, entry.key, entry.value);
        int replaces = 0;
        AtomicFile::setFaultForTesting([&](const QString&) { return ++replaces, false; });
        ProfileFile::writeStrings(batch, entries);
        AtomicFile::setFaultForTesting({});

        EXPECT_EQ(replaces, 1) << i;
        EXPECT_EQ(folder.read(QStringLiteral("batch%1.ini").arg(i)),
                  folder.read(QStringLiteral("single%1.ini").arg(i)))
            << i;
    }
}
