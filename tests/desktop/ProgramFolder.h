#pragma once

#include "FolderSnapshot.h"

#include <QByteArray>
#include <QString>

// A copy of the delivered program folder (the organiser, its calendars, empty lists and content
// folders) in a test's scratch space: the test lays out the files the organiser reads there,
// starts it from there, and reads what it wrote. The build tree is never written to.
class ProgramFolder {
public:
    // Copies the delivered folder to the path (made when missing).
    explicit ProgramFolder(const QString& path);

    // Empty when the copy is whole; otherwise what went wrong.
    QString error() const { return m_error; }

    // The folder as the organiser sees its own folder: absolute, links resolved, no "/" at the
    // end.
    QString path() const { return m_path; }
    QString program() const { return file(QStringLiteral("Zimpa")); }
    QString file(const QString& name) const { return m_path + QLatin1Char('/') + name; }

    bool write(const QString& name, const QByteArray& bytes) const;
    QByteArray read(const QString& name) const;
    bool remove(const QString& name) const;

    // The bytes of a file as the build delivers it.
    static QByteArray delivered(const QString& name);

    // Renames the folder, so that a running organiser finds nothing where it writes, and back.
    QString movedPath() const { return m_path + QStringLiteral("-moved"); }
    bool moveAway() const;
    bool moveBack() const;

    FolderSnapshot snapshot() const { return FolderSnapshot::of(m_path); }

private:
    QString m_path;
    QString m_error;
};
