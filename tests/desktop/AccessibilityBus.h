#pragma once

#include "ProgramRun.h"

#include <QList>
#include <QProcessEnvironment>
#include <QString>
#include <QStringList>
#include <QTemporaryDir>

#include <memory>

// One object of a program as a screen reader learns it from the accessibility bus.
struct AccessibleObject {
    int depth = 0; // 0 for the program itself
    QString role;  // the bus's name of the role: "page tab", "push button"
    QString name;
    QStringList states;
    QStringList actions;
};

// The accessibility bus of a desktop log-in, private to a test: a session bus of its own
// (dbus-daemon), on which at-spi's bus launcher offers the accessibility bus; the registry that
// screen readers ask starts on it when it is first asked. Each is waited for until it answers;
// all end with the object. The X display never hears of this bus, so the programs of other
// tests never reach it.
class AccessibilityBus {
public:
    AccessibilityBus();
    ~AccessibilityBus();
    AccessibilityBus(const AccessibilityBus&) = delete;
    AccessibilityBus& operator=(const AccessibilityBus&) = delete;

    // False when a piece is missing or did not come up; error() then says which and why.
    bool isReady() const { return m_error.isEmpty(); }
    QString error() const { return m_error; }

    // What a program whose objects are to be read adds to its environment: this session bus, and
    // Qt's accessibility on although no screen reader asked for it.
    QProcessEnvironment programVariables() const;

    // What a screen reader learns of the program with that process id, in the order of the
    // tree, parents before their children; empty while the program is not on the bus.
    QList<AccessibleObject> objectsOf(qint64 pid) const;
    // Carries out the action of the program's first object of that role and name.
    bool act(qint64 pid, const QString& role, const QString& name, const QString& action) const;

private:
    bool startSessionBus();
    bool startBusLauncher();
    bool fail(const QString& error);
    ProgramRun::Result probe(const QStringList& arguments) const;
    QProcessEnvironment busEnvironment() const;

    QTemporaryDir m_folder;
    QString m_address;
    QString m_error;
    std::unique_ptr<ProgramRun> m_sessionBus;
    std::unique_ptr<ProgramRun> m_launcher;
};
