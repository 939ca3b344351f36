#include "CalendarFile.h"
#include "ContentFile.h"
#include "ListFile.h"
#include "RecordBytes.h"
#include "RunError.h"
#include "TempFolder.h"

#include <QFileInfo>

#include <gtest/gtest.h>

#include <cstdlib>
#include <memory>
#include <sys/stat.h>
#include <unistd.h>

namespace {

class OddFilesTest : public ::testing::Test {
protected:
    TempFolder folder;
    std::unique_ptr<ReminderTable> reminders = std::make_unique<ReminderTable>();
};

// A named pipe in a stored file's place is reported as a file that cannot be opened, without
// waiting for a writer, and no save replaces it.
TEST_F(OddFilesTest, APipeInPlaceOfAnyStoredFileIsRefusedAtOnce) {
    const QString pipe = folder.file(QStringLiteral("pipe"));
    ASSERT_EQ(::mkfifo(QFile::encodeName(pipe), 0600), 0);
    EXPECT_THROW(ListFile::load(pipe, *reminders), RunError);
    EXPECT_THROW(ListFile::save(pipe, *reminders), RunError);
    auto days = std::make_unique<DayTable>();
    EXPECT_EQ(CalendarFile::load(pipe, *days), CalendarFile::LoadResult::NotOpenable);
    EXPECT_FALSE(CalendarFile::save(pipe, *days));
    EXPECT_FALSE(ContentFile::readLines(pipe));
    EXPECT_FALSE(QFileInfo(pipe).isFile());
}

// The start-up scan reads lists that its user may read but not write.
TEST_F(OddFilesTest, AListThatMayOnlyBeReadLoads) {
    folder.write(QStringLiteral("time.list"), RecordBytes::reminder(7, 1, "Fogorvos"));
    const QByteArray path = QFile::encodeName(folder.file(QStringLiteral("time.list")));
    ASSERT_EQ(::chmod(path, 0444), 0);
    ASSERT_EQ(::chmod(QFile::encodeName(folder.path()), 0755), 0);
    // Permissions hold nothing off the superuser: the load runs as nobody then.
    EXPECT_EXIT(
        {
            if (::geteuid() == 0 && (::setgid(65534) != 0 || ::setuid(65534) != 0))
                std::_Exit(3);
            try {
                std::_Exit(ListFile::load(QFile::decodeName(path), *reminders) == 1 ? 0 : 1);
            } catch (const RunError&) {
                std::_Exit(2);
            }
        },
        ::testing::ExitedWithCode(0), "");
}

} // namespace
