#pragma once

#include "MainFormFixture.h"

#include <QAction>
#include <QListWidget>
#include <QMenu>
#include <QSignalSpy>
#include <QTest>

#include <map>
#include <memory>

// The main window started over reminder lists of a given length, with helpers to select lines,
// open menus and count which items were carried out.
class MainWindowFixture : public MainFormFixture {
protected:
    // Reminders titled "Sor 1", "Sor 2", ... in the list files, then the window's start. No day
    // is followed yet.
    void start(int appointments, int tasks = 0, int notes = 0) {
        writeReminders("time.list", appointments);
        writeReminders("task.list", tasks);
        writeReminders("memo.list", notes);
        folder.write(QStringLiteral("nevnap.data"), RecordBytes::day("Nap", {"01.02"}));
        create();
    }

    // Follows that many days of the list's calendar and shows them, as the new-reminder dialog
    // leaves them.
    void addLines(QListWidget* list, int count) {
        DayTable& table = list == window->lbNevnap ? tables->NevnapList : tables->UnnepList;
        for (int i = DayTable::First; i <= DayTable::Last; ++i) {
            if (i <= count && !table[i].hasName()) {
                table[i].setName(QStringLiteral("Nap %1").arg(i));
                table[i].setDate(1, QStringLiteral("01.01"));
            }
            table[i].setSelected(i <= count);
        }
        window->RefreshNevnapUnnepLists();
    }

    void showActive() {
        window->show();
        ASSERT_TRUE(QTest::qWaitForWindowActive(window.get()));
    }

    // Opening a menu runs what runs as it opens, as the user's click does.
    static void openMenu(QMenu* menu) {
        menu->popup(QPoint(0, 0));
        menu->hide();
    }

    // Starts counting the choices of the named items.
    void watch(std::initializer_list<const char*> names) {
        for (const char* name : names) {
            QAction* item = window->action(QLatin1String(name));
            ASSERT_NE(item, nullptr) << name;
            spies[name] = std::make_unique<QSignalSpy>(item, &QAction::triggered);
        }
    }

    // How often the watched item was carried out.
    int chosen(const char* name) const { return int(spies.at(name)->count()); }

    int chosenInAll() const {
        int total = 0;
        for (const auto& [name, spy] : spies)
            total += int(spy->count());
        return total;
    }

    std::map<std::string, std::unique_ptr<QSignalSpy>> spies;

private:
    void writeReminders(const char* file, int count) {
        QByteArray bytes;
        for (int i = 0; i < count; ++i)
            bytes += RecordBytes::reminder(i + 1, 0, "Sor " + QByteArray::number(i + 1));
        folder.write(QLatin1String(file), bytes);
    }
};
