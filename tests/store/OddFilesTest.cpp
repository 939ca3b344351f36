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
    QString pipe(const QString& name) const {
        const QString path = folder.file(name);
        EXPECT_EQ(::mkfifo(QFile::encodeName(path), 0600), 0);
        return path;
    }

    TempFolder folder;
    std::unique_ptr<ReminderTable> reminders = std::make_unique<ReminderTable>();
    std::unique_ptr<DayTable> days = std::make_unique<DayTable>();
};

// A named pipe in a file's place is reported as a file that cannot be opened, without waiting for
// a writer, and no save replaces it.
TEST_F(OddFilesTest, APipeInPlaceOfAnyStoredFileIsRefusedAtOnce) {
    const QString list = pipe(QStringLiteral("time.list"));
    try {
        ListFile::load(list, *reminders);
        ADD_FAILURE() << "a pipe loaded as a list";
    } catch (const RunError& error) {
        EXPECT_EQ(error.text(), QStringLiteral("File access denied"));
    }
    EXPECT_THROW(ListFile::save(list, *reminders), RunError);
    EXPECT_EQ(CalendarFile::load(pipe(QStringLiteral("nevnap.data")), *days),
              CalendarFile::LoadResult::NotOpenable);
    EXPECT_FALSE(CalendarFile::save(folder.file(QStringLiteral("nevnap.data")), *days));
    EXPECT_FALSE(ContentFile::readLines(pipe(QStringLiteral("template"))));
    EXPECT_FALSE(ContentFile::readBytes(folder.file(QStringLiteral("template"))));
    for (const char* name : {"time.list", "nevnap.data", "template"})
        EXPECT_FALSE(QFileInfo(folder.file(QString::fromLatin1(name))).isFile()) << name;
}

// The start-up scan reads lists that its user may read but not write.
TEST_F(OddFilesTest, AListThatMayOnlyBeReadLoads) {
    folder.write(QStringLiteral("time.list"), RecordBytes::reminder(7, 1, "Csak olvashat\xF3"));
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
