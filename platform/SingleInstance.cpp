#include "SingleInstance.h"

#include <QDir>
#include <QLocalServer>
#include <QLocalSocket>
#include <QStandardPaths>

#include <cerrno>
#include <fcntl.h>
#include <sys/file.h>
#include <unistd.h>

namespace {

QString runtimeFolder() {
    QString folder = QStandardPaths::writableLocation(QStandardPaths::RuntimeLocation);
    return folder.isEmpty() ? QDir::tempPath() : folder;
}

} // namespace

SingleInstance::SingleInstance(const QString& key, QObject* parent)
    : SingleInstance(key, runtimeFolder(), parent) {
}

SingleInstance::SingleInstance(const QString& key, const QString& folder, QObject* parent)
    : QObject(parent)
    , m_lockPath(folder + QLatin1Char('/') + key + QStringLiteral(".lock"))
    , m_socketPath(folder + QLatin1Char('/') + key + QStringLiteral(".instance")) {
}

SingleInstance::~SingleInstance() {
    if (m_lockFd >= 0)
        ::close(m_lockFd);
}

bool SingleInstance::acquire() {
    if (m_lockFd >= 0)
        return true;
    const QByteArray path = QFile::encodeName(m_lockPath);
    const int fd = ::open(path.constData(), O_RDWR | O_CREAT | O_CLOEXEC, 0600);
    if (fd < 0)
        return true;
    if (::flock(fd, LOCK_EX | LOCK_NB) != 0) {
        const bool heldElsewhere = errno == EWOULDBLOCK;
        ::close(fd);
        return !heldElsewhere;
    }
    m_lockFd = fd;
    return true;
}

bool SingleInstance::listen() {
    if (!m_server) {
        m_server = new QLocalServer(this);
        m_server->setSocketOptions(QLocalServer::UserAccessOption);
        connect(m_server, &QLocalServer::newConnection, this, &SingleInstance::readRequest);
    }
    // We hold the lock, so a socket left behind is a dead copy's.
    QLocalServer::removeServer(m_socketPath);
    return m_server->listen(m_socketPath);
}

void SingleInstance::readRequest() {
    while (QLocalSocket* socket = m_server->nextPendingConnection()) {
        connect(socket, &QLocalSocket::disconnected, socket, &QObject::deleteLater);
        const auto readPath = [this, socket] {
            if (!socket->canReadLine())
                return;
            socket->readLine(); // the second start's program path
            socket->disconnectFromServer();
            emit activationRequested();
        };
        connect(socket, &QLocalSocket::readyRead, this, readPath);
        readPath(); // the request may have arrived before the connection was taken
    }
}

bool SingleInstance::notifyRunning(const QString& programPath, int timeoutMs) {
    QLocalSocket socket;
    socket.connectToServer(m_socketPath);
    if (!socket.waitForConnected(timeoutMs))
        return false;
    socket.write(programPath.toUtf8() + '\n');
    const bool sent = socket.waitForBytesWritten(timeoutMs);
    socket.disconnectFromServer();
    return sent;
}
