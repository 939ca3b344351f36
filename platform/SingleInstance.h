#pragma once

#include <QObject>
#include <QString>

class QLocalServer;

// One running copy per user and key. The first start takes a lock that the system drops when its
// process ends, however it ends; a second start cannot take it. The first copy then listens on a
// local socket, and a second start sends it its program path there, and the first comes to the
// front. It does so whatever path the second start names: a copy started from another folder is
// still the user's organiser, and a second start that showed nothing would look like a failure.
class SingleInstance : public QObject {
    Q_OBJECT

public:
    // The lock and the socket live in the user's runtime folder, named after the key.
    explicit SingleInstance(const QString& key, QObject* parent = nullptr);
    // For tests: lock and socket in the given folder.
    SingleInstance(const QString& key, const QString& folder, QObject* parent = nullptr);
    ~SingleInstance() override;

    // True when this process now holds the lock, and also when no lock can be made at all (then
    // every start is a first start). False when another process holds it.
    bool acquire();

    // First start: accept activation requests. False when the socket cannot be set up.
    bool listen();

    // Second start: hand the running copy our program path. False when no copy answers.
    bool notifyRunning(const QString& programPath, int timeoutMs = 2000);

signals:
    // A second start asked the running copy to come to the front.
    void activationRequested();

private:
    void readRequest();

    QString m_lockPath;
    QString m_socketPath;
    int m_lockFd = -1;
    QLocalServer* m_server = nullptr;
};
