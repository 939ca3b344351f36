#include "DayRecordBytes.h"
#include "DesktopTest.h"
#include "Polling.h"
#include "UserInput.h"

#include <QDate>
#include <QDateTime>
#include <QPoint>
#include <QRegularExpression>
#include <QtEndian>

#include <algorithm>
#include <memory>
#include <stdexcept>

namespace {

const QString NewReminderTitle = QStringLiteral("Zimpa V2.00 - Új Zimpa");
const QString RowEditorTitle = QStringLiteral("Zimpa V2.00 - Emlékeztető szerkesztése");

// Places in the new-reminder dialog that no key leads to without counting the sections of the
// date fields, which differ with the regional date format: the identifier field, the time cell
// of the grid's first row under the header, and the note box.
const QPoint IdentifierField(276, 117);
const QPoint FirstTimeCell(44, 198);
const QPoint NoteBox(212, 244);

// The kinds in the order of the dialog's drop-down list.
enum DialogKind { Appointment = 0, Task = 1, Note = 2, NameDay = 3, Holiday = 4 };

struct Row {
    QString time;
    QString message;
};

// The Windows-1250 bytes of a text in Hungarian; the letters the tests type and nothing else.
QByteArray cp1250(const QString& text) {
    QByteArray bytes;
    for (const QChar ch : text) {
        switch (const char16_t unit = ch.unicode()) {
        case u'ő':
            bytes += '\xF5';
            break;
        case u'Ő':
            bytes += '\xD5';
            break;
        case u'ű':
            bytes += '\xFB';
            break;
        case u'Ű':
            bytes += '\xDB';
            break;
        default:
            // ASCII, and the other accented letters, which hold the same byte as in Latin-1.
            if (unit >= 0x80 && !QStringLiteral("áéíóöúüÁÉÍÓÖÚÜ").contains(ch))
                throw std::invalid_argument("a letter outside the test's alphabet");
            bytes += char(unit);
        }
    }
    return bytes;
}

// A table file's lines: each row as time "|" message, each line ended by CR LF.
QByteArray tableBytes(const QList<Row>& rows) {
    QByteArray bytes;
    for (const Row& row : rows)
        bytes += cp1250(row.time + QLatin1Char('|') + row.message) + "\r\n";
    return bytes;
}

// The first line of a file with its line end.
QByteArray firstLine(const QByteArray& bytes) {
    return bytes.left(bytes.indexOf("\r\n") + 2);
}

// How a note's text stands in the rich-text form: the letters above 127 as \'hh escapes.
QByteArray rtfText(const QString& text) {
    QByteArray escaped;
    for (const char byte : cp1250(text)) {
        if (static_cast<unsigned char>(byte) < 0x80)
            escaped += byte;
        else
            escaped += "\\'" + QByteArray(1, byte).toHex();
    }
    return escaped;
}

// A list record as a new reminder's slot must hold it: the fields, and zero in every byte past
// a text's length and in the padding, since the table's unused slots hold nothing else.
QByteArray newListRecord(qint64 id, bool checked, const QString& title, const QDate& day) {
    QByteArray record(104, '\0');
    qToLittleEndian<qint64>(id, record.data());
    record[8] = checked ? 1 : 0;
    const QByteArray titleBytes = cp1250(title);
    record[9] = char(titleBytes.size());
    record.replace(10, int(titleBytes.size()), titleBytes);
    const QByteArray date = day.toString(QStringLiteral("yyyy.MM.dd")).toLatin1();
    for (const int offset : {74, 85}) {
        record[offset] = char(date.size());
        record.replace(offset + 1, int(date.size()), date);
    }
    return record;
}

qint64 idOf(const QByteArray& record) {
    return record.size() >= 8 ? qFromLittleEndian<qint64>(record.constData()) : 0;
}

// The reminder identifier's clock: seconds since 1970 counted on the local clock.
qint64 localSeconds() {
    const QDateTime now = QDateTime::currentDateTime();
    return now.toSecsSinceEpoch() + now.offsetFromUtc();
}

// A date of the day calendars some days away: never today, so that no announcement clears a flag
// while the test runs.
QByteArray dayAfterToday(int days) {
    return QDate::currentDate().addDays(days).toString(QStringLiteral("MM.dd")).toLatin1();
}

// A day record as the dialog's OK leaves a listed day: followed or not, every announcement due.
QByteArray armed(const DayRecordBytes& day, bool selected) {
    QByteArray bytes = day.bytes();
    bytes[0] = selected ? 1 : 0;
    for (int k = 1; k <= 16; ++k)
        bytes[k] = 1;
    return bytes;
}

// The road of a reminder as a user takes it: created in the new-reminder dialog, listed and
// ticked in the main window, written when the organiser closes, loaded again in a later run,
// edited and saved. Everything is typed or clicked on a real desktop, and every file is compared
// with the bytes it must hold.
class ReminderRoadTest : public DesktopTest {
protected:
    struct Organiser {
        ProgramRun* run = nullptr;
        WindowId window = 0;
    };

    void SetUp() override {
        DesktopTest::SetUp();
        if (HasFatalFailure())
            return;
        m_input = std::make_unique<UserInput>(environment());
        // Every Hungarian letter has a key of its own there.
        ASSERT_TRUE(m_input->useLayout(QStringLiteral("hu")))
            << "setxkbmap (Debian x11-xkb-utils, which xvfb brings along) did not set the layout";
    }

    const UserInput& input() const { return *m_input; }

    void keys(const QStringList& names) { ASSERT_TRUE(desktop().pressKeys(names)); }
    void type(const QString& text) { ASSERT_TRUE(input().type(text)); }

    // Starts the organiser and waits until its main window has the keyboard, on its page tabs.
    void start(Organiser& organiser) {
        organiser.run = &startOrganiser();
        organiser.window = waitForMainWindow(*organiser.run);
        ASSERT_NE(organiser.window, 0u) << organiser.run->describe().toStdString();
        ASSERT_TRUE(waitUntilActive(organiser.window));
    }

    void close(const Organiser& organiser) {
        ASSERT_TRUE(requestClose(organiser.window));
        ASSERT_TRUE(organiser.run->waitForExit(Polling::StepTimeout))
            << organiser.run->describe().toStdString();
        EXPECT_EQ(organiser.run->exitCode(), 0) << organiser.run->describe().toStdString();
    }

    // With the keyboard on the page tabs: the first page, then as many to the right. The
    // organiser opens on the page it closed on.
    void showPage(int page) {
        QStringList moves(4, QStringLiteral("Left"));
        for (int i = 0; i < page; ++i)
            moves << QStringLiteral("Right");
        keys(moves);
    }

    // A window of the organiser's with that title, once it is on screen and has the keyboard.
    WindowId waitForWindow(const Organiser& organiser, const QString& title) {
        WindowId found = 0;
        Polling::waitUntil(
            [&] {
                for (const WindowId window : desktop().findWindows(
                         QRegularExpression::escape(title), organiser.run->pid())) {
                    if (desktop().windowName(window) == title && desktop().isViewable(window))
                        found = window;
                }
                return found != 0 || !organiser.run->isRunning();
            },
            Polling::StepTimeout);
        if (found != 0 && !waitUntilActive(found))
            return 0;
        return found;
    }

    // Ctrl+U, then the kind chosen in the drop-down list, which is the second stop of the
    // dialog's focus order.
    void openNewReminder(const Organiser& organiser, DialogKind kind, WindowId& dialog) {
        keys({QStringLiteral("ctrl+u")});
        dialog = waitForWindow(organiser, NewReminderTitle);
        ASSERT_NE(dialog, 0u) << organiser.run->describe().toStdString();
        QStringList choice{QStringLiteral("Tab"), QStringLiteral("Tab"), QStringLiteral("Home")};
        for (int i = 0; i < kind; ++i)
            choice << QStringLiteral("Down");
        keys(choice);
    }

    // OK by its key, Alt+O; the dialog goes and the main window has the keyboard again.
    void confirm(const Organiser& organiser, WindowId dialog) {
        keys({QStringLiteral("alt+o")});
        ASSERT_TRUE(waitUntilGone(dialog)) << "the dialog stayed open";
        ASSERT_TRUE(waitUntilActive(organiser.window));
    }

    void createTable(const Organiser& organiser, DialogKind kind, const QString& title,
                     const QList<Row>& rows, const QString& picture) {
        WindowId dialog = 0;
        ASSERT_NO_FATAL_FAILURE(openNewReminder(organiser, kind, dialog));
        ASSERT_TRUE(input().click(dialog, IdentifierField));
        type(title);
        ASSERT_TRUE(input().click(dialog, FirstTimeCell));
        // Tab steps from cell to cell, opening each for typing.
        for (const Row& row : rows) {
            type(row.time);
            keys({QStringLiteral("Tab")});
            if (!row.message.isEmpty())
                type(row.message);
            keys({QStringLiteral("Tab")});
        }
        EXPECT_FALSE(saveScreenshot(dialog, picture).isEmpty());
        ASSERT_NO_FATAL_FAILURE(confirm(organiser, dialog));
    }

    void createNote(const Organiser& organiser, const QString& title, const QStringList& lines) {
        WindowId dialog = 0;
        ASSERT_NO_FATAL_FAILURE(openNewReminder(organiser, Note, dialog));
        ASSERT_TRUE(input().click(dialog, IdentifierField));
        type(title);
        ASSERT_TRUE(input().click(dialog, NoteBox));
        // Below what the template put there.
        keys({QStringLiteral("ctrl+End")});
        for (qsizetype i = 0; i < lines.size(); ++i) {
            if (i > 0)
                keys({QStringLiteral("Return")});
            type(lines[i]);
        }
        EXPECT_FALSE(saveScreenshot(dialog, QStringLiteral("new-reminder-note")).isEmpty());
        ASSERT_NO_FATAL_FAILURE(confirm(organiser, dialog));
    }

    // Waits until the file holds the bytes, as a write that a key set off lands some time later.
    bool waitForBytes(const QString& name, const QByteArray& bytes) const {
        return Polling::waitUntil([&] { return folder().read(name) == bytes; },
                                  Polling::StepTimeout);
    }

    bool waitForFileChange(const QString& name, const QByteArray& before) const {
        return Polling::waitUntil([&] { return folder().read(name) != before; },
                                  Polling::StepTimeout);
    }

private:
    std::unique_ptr<UserInput> m_input;
};

const QString Dentist = QStringLiteral("Fogorvos ő ű Ő Ű");
const QString Shopping = QStringLiteral("Bevásárlás ű");
const QString Jotting = QStringLiteral("Jegyzet ő");
const QList<Row> DentistRows = {{QStringLiteral("08:30"), QStringLiteral("Fúrás ő")},
                                {QStringLiteral("9:05"), QStringLiteral("Tömés ű")}};
// The second row has no message: the dialog leaves it out of the file.
const QList<Row> ShoppingRows = {{QStringLiteral("18:00"), QStringLiteral("Kenyér, tej ő")},
                                 {QStringLiteral("19:00"), QString()}};
const QStringList JottingLines = {QStringLiteral("Árvíztűrő tükörfúrógép"),
                                  QStringLiteral("ÁRVÍZTŰRŐ TÜKÖRFÚRÓGÉP")};

TEST_F(ReminderRoadTest, CreatedRemindersAreStoredLoadedEditedAndSaved) {
    const QByteArray timeTemplate = ProgramFolder::delivered(QStringLiteral("time/template"));
    const QByteArray taskTemplate = ProgramFolder::delivered(QStringLiteral("task/template"));
    const QByteArray memoTemplate = ProgramFolder::delivered(QStringLiteral("memo/template"));
    // The note's expected bytes follow the template's last line end.
    ASSERT_TRUE(memoTemplate.isEmpty() || memoTemplate.endsWith("\r\n"));
    const QDate today = QDate::currentDate();
    const qint64 firstSecond = localSeconds();

    // The first run: three reminders made in the dialog; the task is ticked in its list.
    Organiser first;
    ASSERT_NO_FATAL_FAILURE(start(first));
    ASSERT_NO_FATAL_FAILURE(
        createTable(first, Appointment, Dentist, DentistRows, QStringLiteral("new-reminder-time")));
    ASSERT_NO_FATAL_FAILURE(
        createTable(first, Task, Shopping, ShoppingRows, QStringLiteral("new-reminder-task")));
    ASSERT_NO_FATAL_FAILURE(createNote(first, Jotting, JottingLines));
    // The keyboard is back on the page tabs; Tab goes into the page's list, on its first line,
    // which is not selected: there Space ticks it.
    ASSERT_NO_FATAL_FAILURE(showPage(Task));
    keys({QStringLiteral("Tab"), QStringLiteral("space")});
    EXPECT_FALSE(saveScreenshot(first.window, QStringLiteral("road-created")).isEmpty());
    ASSERT_NO_FATAL_FAILURE(close(first));
    const qint64 lastSecond = localSeconds();
    if (QDate::currentDate() != today)
        GTEST_SKIP() << "the day changed while the reminders were made";

    const QByteArray timeList = folder().read(QStringLiteral("time.list"));
    const QByteArray taskList = folder().read(QStringLiteral("task.list"));
    const QByteArray memoList = folder().read(QStringLiteral("memo.list"));
    for (const QByteArray* list : {&timeList, &taskList, &memoList}) {
        // The identifier is the moment of OK, rounded to a whole second.
        EXPECT_GE(idOf(*list), firstSecond);
        EXPECT_LE(idOf(*list), lastSecond + 1);
    }
    EXPECT_EQ(timeList, newListRecord(idOf(timeList), false, Dentist, today));
    EXPECT_EQ(taskList, newListRecord(idOf(taskList), true, Shopping, today));
    EXPECT_EQ(memoList, newListRecord(idOf(memoList), false, Jotting, today));

    const QString timeFile = QStringLiteral("time/%1").arg(idOf(timeList));
    const QString taskFile = QStringLiteral("task/%1").arg(idOf(taskList));
    const QString memoFile = QStringLiteral("memo/%1").arg(idOf(memoList));
    EXPECT_EQ(folder().read(timeFile), firstLine(timeTemplate) + tableBytes(DentistRows));
    EXPECT_EQ(folder().read(taskFile), firstLine(taskTemplate) + tableBytes({ShoppingRows[0]}));
    EXPECT_EQ(folder().read(memoFile),
              memoTemplate + cp1250(JottingLines.join(QStringLiteral("\r\n"))) + "\r\n");
    if (HasFailure())
        return;

    // The appointment: selected by its first letter, loaded with Enter, its second message
    // typed over in the grid, saved. The row not typed into comes back as it was loaded.
    Organiser appointmentRun;
    ASSERT_NO_FATAL_FAILURE(start(appointmentRun));
    ASSERT_NO_FATAL_FAILURE(showPage(Appointment));
    keys({QStringLiteral("Tab")});
    type(QStringLiteral("f"));
    keys({QStringLiteral("Return"), QStringLiteral("Tab"), QStringLiteral("Down"),
          QStringLiteral("Right")});
    type(QStringLiteral("Kontroll ű"));
    keys({QStringLiteral("Return"), QStringLiteral("ctrl+m")});
    const QByteArray editedAppointment =
        firstLine(timeTemplate) +
        tableBytes({DentistRows[0], {DentistRows[1].time, QStringLiteral("Kontroll ű")}});
    EXPECT_TRUE(waitForBytes(timeFile, editedAppointment));
    EXPECT_EQ(folder().read(timeFile), editedAppointment);
    saveScreenshot(appointmentRun.window, QStringLiteral("road-appointment-loaded"));
    ASSERT_NO_FATAL_FAILURE(close(appointmentRun));

    // The task: its row changed in the row editor, opened from the grid's pop-up menu, which
    // writes the time back as the two fields show it.
    Organiser taskRun;
    ASSERT_NO_FATAL_FAILURE(start(taskRun));
    ASSERT_NO_FATAL_FAILURE(showPage(Task));
    keys({QStringLiteral("Tab")});
    type(QStringLiteral("b"));
    keys({QStringLiteral("Return"), QStringLiteral("Tab"), QStringLiteral("Menu"),
          QStringLiteral("s")});
    const WindowId rowEditor = waitForWindow(taskRun, RowEditorTitle);
    ASSERT_NE(rowEditor, 0u) << taskRun.run->describe().toStdString();
    keys({QStringLiteral("ctrl+a")});
    type(QStringLiteral("Kenyér, tej, vaj ű"));
    saveScreenshot(rowEditor, QStringLiteral("road-row-editor"));
    ASSERT_NO_FATAL_FAILURE(confirm(taskRun, rowEditor));
    keys({QStringLiteral("ctrl+m")});
    const QByteArray editedTask =
        firstLine(taskTemplate) +
        tableBytes({{ShoppingRows[0].time, QStringLiteral("Kenyér, tej, vaj ű")}});
    EXPECT_TRUE(waitForBytes(taskFile, editedTask));
    EXPECT_EQ(folder().read(taskFile), editedTask);
    saveScreenshot(taskRun.window, QStringLiteral("road-task-loaded"));
    ASSERT_NO_FATAL_FAILURE(close(taskRun));

    // The note: loaded, a line added at its end, saved in the rich-text form, which holds the
    // loaded lines and the new one in their order.
    Organiser noteRun;
    ASSERT_NO_FATAL_FAILURE(start(noteRun));
    ASSERT_NO_FATAL_FAILURE(showPage(Note));
    keys({QStringLiteral("Tab")});
    type(QStringLiteral("j"));
    keys({QStringLiteral("Return"), QStringLiteral("Tab"), QStringLiteral("ctrl+End")});
    const QString addition = QStringLiteral("Pótlás ő");
    type(addition);
    const QByteArray plainNote = folder().read(memoFile);
    keys({QStringLiteral("ctrl+m")});
    EXPECT_TRUE(waitForFileChange(memoFile, plainNote));
    const QByteArray richNote = folder().read(memoFile);
    EXPECT_TRUE(richNote.startsWith("{\\rtf1\\ansi\\ansicpg1250")) << richNote.constData();
    EXPECT_TRUE(richNote.endsWith("}") || richNote.endsWith("}\r\n")) << richNote.constData();
    qsizetype from = 0;
    for (const QString& line : JottingLines + QStringList{addition}) {
        const qsizetype at = richNote.indexOf(rtfText(line), from);
        EXPECT_GE(at, from) << line.toStdString() << " is missing or out of order in "
                            << richNote.constData();
        from = std::max(at, from);
    }
    saveScreenshot(noteRun.window, QStringLiteral("road-note-loaded"));
    ASSERT_NO_FATAL_FAILURE(close(noteRun));

    // None of the runs lost or changed a record; the tick stayed.
    EXPECT_EQ(folder().read(QStringLiteral("time.list")), timeList);
    EXPECT_EQ(folder().read(QStringLiteral("task.list")), taskList);
    EXPECT_EQ(folder().read(QStringLiteral("memo.list")), memoList);
}

TEST_F(ReminderRoadTest, FollowedDaysAreStoredWithEveryAnnouncementDue) {
    const DayRecordBytes abel =
        DayRecordBytes(cp1250(QStringLiteral("Ábel")), {dayAfterToday(100)}).pending(1);
    const DayRecordBytes bela(cp1250(QStringLiteral("Béla")),
                              {dayAfterToday(40), dayAfterToday(200)}, true);
    const DayRecordBytes cecilia =
        DayRecordBytes(cp1250(QStringLiteral("Cecília")), {dayAfterToday(150)}).pending(2);
    const DayRecordBytes denes(cp1250(QStringLiteral("Dénes")),
                               {dayAfterToday(60), dayAfterToday(61)});
    const QByteArray nameDays = abel.bytes() + bela.bytes() + cecilia.bytes() + denes.bytes();
    const DayRecordBytes newYear(cp1250(QStringLiteral("Újév")), {dayAfterToday(30)});
    const DayRecordBytes national =
        DayRecordBytes(cp1250(QStringLiteral("Nemzeti ünnep ő")), {dayAfterToday(80)}).pending(1);
    const DayRecordBytes christmas(cp1250(QStringLiteral("Karácsony ű")),
                                   {dayAfterToday(90), dayAfterToday(91)});
    const QByteArray holidays = newYear.bytes() + national.bytes() + christmas.bytes();
    // Days whose dates have passed this year stay selectable, whatever day the test runs on.
    ASSERT_TRUE(folder().write(QStringLiteral("Zimpa.ini"), "[MainForm]\r\nEnablePast=1\r\n"));
    ASSERT_TRUE(folder().write(QStringLiteral("nevnap.data"), nameDays));
    ASSERT_TRUE(folder().write(QStringLiteral("unnep.data"), holidays));

    // Name days: the first and the last line ticked, the pre-ticked second one unticked.
    Organiser nameDayRun;
    ASSERT_NO_FATAL_FAILURE(start(nameDayRun));
    WindowId dialog = 0;
    ASSERT_NO_FATAL_FAILURE(openNewReminder(nameDayRun, NameDay, dialog));
    // The list follows the drop-down list in the focus order once the dates are disabled.
    keys({QStringLiteral("Tab"), QStringLiteral("space"), QStringLiteral("Down"),
          QStringLiteral("space"), QStringLiteral("Down"), QStringLiteral("Down"),
          QStringLiteral("space")});
    EXPECT_FALSE(saveScreenshot(dialog, QStringLiteral("new-reminder-nameday")).isEmpty());
    ASSERT_NO_FATAL_FAILURE(confirm(nameDayRun, dialog));
    ASSERT_NO_FATAL_FAILURE(close(nameDayRun));
    EXPECT_EQ(folder().read(QStringLiteral("nevnap.data")),
              armed(abel, true) + armed(bela, false) + armed(cecilia, false) + armed(denes, true));
    EXPECT_EQ(folder().read(QStringLiteral("unnep.data")), holidays);

    // Holidays, over name days as they were at first: one line ticked.
    ASSERT_TRUE(folder().write(QStringLiteral("nevnap.data"), nameDays));
    Organiser holidayRun;
    ASSERT_NO_FATAL_FAILURE(start(holidayRun));
    ASSERT_NO_FATAL_FAILURE(openNewReminder(holidayRun, Holiday, dialog));
    keys({QStringLiteral("Tab"), QStringLiteral("Down"), QStringLiteral("space")});
    EXPECT_FALSE(saveScreenshot(dialog, QStringLiteral("new-reminder-holiday")).isEmpty());
    ASSERT_NO_FATAL_FAILURE(confirm(holidayRun, dialog));
    ASSERT_NO_FATAL_FAILURE(close(holidayRun));
    EXPECT_EQ(folder().read(QStringLiteral("unnep.data")),
              armed(newYear, false) + armed(national, true) + armed(christmas, false));
    EXPECT_EQ(folder().read(QStringLiteral("nevnap.data")), nameDays);
}

} // namespace
