#include "gui/app/SingleInstance.h"

#include "core/app/PrivateFolder.h"
#include "gui/app/Logging.h"
#include "gui/platform/DesktopSession.h"

#include <QDeadlineTimer>
#include <QDir>
#include <QFile>
#include <QLocalServer>
#include <QLocalSocket>
#include <QStandardPaths>
#include <QThread>

namespace {

unsigned OwnUserId() {
    return SessionUserId().toUInt();
}

QString DefaultServerName() {
    const std::optional<std::string> folder = quill::InstanceFolder(
        qEnvironmentVariable("XDG_RUNTIME_DIR").toStdString(),
        QFile::encodeName(QDir::tempPath()).toStdString(),
        QFile::encodeName(QStandardPaths::writableLocation(QStandardPaths::GenericCacheLocation))
            .toStdString(),
        OwnUserId());
    if (!folder) {
        qCWarning(lcGui) << "no private folder for the running instance's socket - not checking"
                         << "for a running instance";
        return QString();
    }
    return QString::fromStdString(quill::InstanceServerName(*folder, SessionUserId().toStdString(),
                                                            SessionDisplay().toStdString()));
}

// QLocalServer puts a relative name into the temporary folder; the lock lies beside it.
QString LockPath(const QString& serverName) {
    const QString path =
        QDir::isAbsolutePath(serverName) ? serverName : QDir(QDir::tempPath()).filePath(serverName);
    return path + QStringLiteral(".lock");
}

} // namespace

SingleInstance::SingleInstance() : SingleInstance(DefaultServerName()) {}

SingleInstance::SingleInstance(const QString& serverName)
    : m_serverName(serverName), m_lockPath(LockPath(serverName)),
      m_lock(QFile::encodeName(m_lockPath).toStdString()) {}

SingleInstance::~SingleInstance() {
    if (m_server != nullptr) {
        m_server->close();
    }
}

SingleInstance::Outcome SingleInstance::Start(const quill::InstanceMessage& request, int waitMs) {
    if (m_serverName.isEmpty()) {
        return Outcome::First;
    }
    // Only the user's own lock counts: another user's could only have been
    // put there to keep this program from starting.
    if (quill::OwnedByOtherUser(QFile::encodeName(m_lockPath).toStdString(), OwnUserId())) {
        qCWarning(lcGui) << "removing" << m_lockPath << "- it belongs to another user";
        QFile::remove(m_lockPath);
    }
    QDeadlineTimer deadline(waitMs);
    for (;;) {
        const quill::CrossProcessLock::Attempt attempt = m_lock.Take(0);
        if (attempt == quill::CrossProcessLock::Attempt::Taken) {
            return Outcome::First;
        }
        if (attempt == quill::CrossProcessLock::Attempt::Failed) {
            // The lock cannot be made here at all: run without the guard rather than not at all.
            qCWarning(lcGui) << "cannot create" << m_lockPath << "- not checking for a"
                             << "running instance";
            return Outcome::First;
        }
        if (SendRequest(request)) {
            return Outcome::HandedOver;
        }
        if (deadline.hasExpired()) {
            return Outcome::NoAnswer;
        }
        // The running instance may still be starting before it listens.
        QThread::msleep(100);
    }
}

bool SingleInstance::SendRequest(const quill::InstanceMessage& request) {
    // A request is never handed to a socket someone else made.
    if (quill::OwnedByOtherUser(QFile::encodeName(m_serverName).toStdString(), OwnUserId())) {
        return false;
    }
    QByteArray answer;
    if (!SendLine(quill::FormatInstanceMessage(request), answer)) {
        return false;
    }
    // A running earlier version knows only the bare word.
    if (answer == "unknown") {
        SendLine(std::string(quill::InstanceRequestWord(request.request)), answer);
    }
    return answer == "ok";
}

bool SingleInstance::SendLine(const std::string& line, QByteArray& answer) {
    QLocalSocket socket;
    socket.connectToServer(m_serverName);
    if (!socket.waitForConnected(1000)) {
        return false;
    }
    socket.write(QByteArray::fromStdString(line) + '\n');
    if (!socket.waitForBytesWritten(1000)) {
        return false;
    }
    // The answer says the request was taken, not only delivered.
    while (!socket.canReadLine()) {
        if (!socket.waitForReadyRead(5000)) {
            return false;
        }
    }
    answer = socket.readLine().trimmed();
    return true;
}

bool SingleInstance::Listen() {
    if (m_serverName.isEmpty()) {
        return false;
    }
    // This process holds the lock: a socket file left behind is a dead instance's.
    QLocalServer::removeServer(m_serverName);
    m_server = new QLocalServer(this);
    m_server->setSocketOptions(QLocalServer::UserAccessOption);
    connect(m_server, &QLocalServer::newConnection, this, &SingleInstance::Serve);
    if (!m_server->listen(m_serverName)) {
        qCWarning(lcGui) << "cannot listen on" << m_serverName << ":" << m_server->errorString();
        return false;
    }
    return true;
}

void SingleInstance::Serve() {
    while (QLocalSocket* socket = m_server->nextPendingConnection()) {
        connect(socket, &QLocalSocket::disconnected, socket, &QObject::deleteLater);
        connect(socket, &QLocalSocket::readyRead, this, [this, socket] {
            if (!socket->canReadLine()) {
                return;
            }
            const QByteArray line =
                socket->readLine(qint64(quill::kInstanceMessageLimit)).trimmed();
            const auto request = quill::ParseInstanceMessage(line.toStdString());
            socket->write(request ? "ok\n" : "unknown\n");
            socket->disconnectFromServer();
            if (request) {
                emit Requested(*request);
            }
        });
    }
}
