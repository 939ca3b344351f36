#pragma once

#include <QList>
#include <QString>

#include <functional>
#include <optional>

// The register of running viewers, "pl.data": the instance number of each running viewer as a
// signed 32-bit little-endian entry, no header, no order. The numbers only keep running viewers
// apart; nothing else reads them. The file name has no folder, so viewers that share a current
// folder share one register.
//
// Every change is a read, change and whole-file rewrite under an exclusive lock on the register,
// so two viewers starting or closing at once lose nothing. Nothing here throws: a register that
// cannot be read is left as it is (a change never writes it anew from a failed read) and, like
// one that cannot be written, is reported by the result and lastError(), so that the viewer runs
// on without its entry. Searches count an unreadable register as empty.
//
// A damaged register is read as far as it makes sense: a trailing part of an entry is no entry
// (and goes with the next rewrite), and numbers outside 0..1023 are kept as they are, since they
// can block no draw; removal takes out only the entries equal to the number it is given.
class InstanceRegister {
public:
    static constexpr int Numbers = 1024; // instance numbers are 0..1023

    // Uniform in 0..bound-1.
    using RandomSource = std::function<int(int bound)>;

    explicit InstanceRegister(const QString& path = QStringLiteral("pl.data"));

    // The system's random generator unless set.
    void setRandomSource(RandomSource source);

    // Appends the number, creating the register when there is none. False when it cannot be
    // written; the old register then stays as it was.
    bool AddInstanceId(qint32 number);

    // Takes out every entry equal to the number, keeping the order of the rest. False when there
    // is no register or it cannot be written.
    bool RemoveInstanceId(qint32 number);

    // The position (from 0) of the last entry equal to the number, or -1.
    qint32 FindInstanceId(qint32 number) const;

    // Draws a number that no entry holds and adds it, both under one lock, so that two viewers
    // starting together cannot draw the same one. Empty when every number is taken or the
    // register cannot be written: the viewer then runs without an entry.
    std::optional<qint32> addNewInstanceId();

    // The entries as they are now; empty when there is no register.
    QList<qint32> entries() const;

    // The system's error number for the last failed read or write, 0 after one that worked.
    int lastError() const { return m_lastError; }

private:
    bool write(const QList<qint32>& entries);

    QString m_path;
    RandomSource m_random;
    int m_lastError = 0;
};
