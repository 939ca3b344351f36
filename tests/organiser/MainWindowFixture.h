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
    // Reminders titled "Sor 1", "Sor 2", ... in the list files, then the window's start.
    void start(int appointments, int tasks = 0, int notes = 0) {
        writeReminders("time.list", appointments);
        writeReminders("task.list", tasks);
        writeReminders("memo.list", notes);
        create();
    }

    // The day lists are filled from the calendars by the day-list code; tests put lines in.
    static void addLines(QListWidget* list, int count) {
        for (int i = 0; i < count; ++i)
            list->addItem(QStringLiteral("Nap %1").arg(i + 1));
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
