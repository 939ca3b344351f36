#pragma once

#include "ProgramRun.h"

#include <QProcessEnvironment>
#include <QStringList>
#include <QTemporaryDir>

#include <memory>

// One object of a program as a screen reader learns it from the accessibility bus.
struct AccessibleObject {
    int depth = 0; // 0 for the program itself
    QString role;  // as the bus names it: "page tab", "push button"
    QString name;
    QStringList states;
    QStringList actions;
};

// The accessibility bus of a desktop log-in, private to a test: a session bus of its own, on which
// at-spi's launcher offers the accessibility bus; the registry that screen readers ask starts there
// when first asked. Each is waited for; all end with the object. The X display never hears of this
// bus, so the programs of other tests never reach it.
class AccessibilityBus {
public:
    AccessibilityBus();
    ~AccessibilityBus();

    // Empty when the bus is up; else what is missing or did not come up.
    QString error() const { return m_error; }

    // What a program to be read adds to its environment: this session bus, and Qt's
    // accessibility on although no screen reader asked for it.
    QProcessEnvironment programVariables() const;

    // The program's objects, parents before their children; none while it is not on the bus.
    QList<AccessibleObject> objectsOf(qint64 pid) const;
    // Carries out the action of the program's first object of that role and name.
    bool act(qint64 pid, const QString& role, const QString& name, const QString& action) const;

private:
    ProgramRun::Result probe(const QStringList& arguments) const;
    QProcessEnvironment busEnvironment() const;

    QTemporaryDir m_folder;
    QString m_address;
    QString m_error;
    std::unique_ptr<ProgramRun> m_sessionBus;
    std::unique_ptr<ProgramRun> m_launcher;
};
