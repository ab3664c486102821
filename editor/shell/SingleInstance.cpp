#include "shell/SingleInstance.h"

#include <QCryptographicHash>
#include <QDir>
#include <QLocalSocket>

namespace glyphsmith {

namespace {

constexpr char kActivate[] = "activate\n";

}  // namespace

SingleInstance::SingleInstance(const QString &key, QObject *parent) : QObject(parent), key_(key) {
    connect(&server_, &QLocalServer::newConnection, this, &SingleInstance::onNewConnection);
}

SingleInstance::~SingleInstance() = default;

QString SingleInstance::keyForSettings(const QString &settingsFile) {
    const QByteArray hash =
        QCryptographicHash::hash(QDir::cleanPath(settingsFile).toUtf8(), QCryptographicHash::Sha1);
    return QStringLiteral("glyphsmith-%1-%2")
        .arg(qEnvironmentVariable("USER", QStringLiteral("user")).left(16),
             QString::fromLatin1(hash.toHex().left(12)));
}

bool SingleInstance::claim() {
    lock_ = std::make_unique<QLockFile>(QDir::tempPath() + u'/' + key_ + QStringLiteral(".lock"));
    lock_->setStaleLockTime(0);  // only a lock whose process has died is stale
    if (!lock_->tryLock(0)) {
        lock_.reset();
        return false;
    }
    QLocalServer::removeServer(key_);  // left behind by a run that crashed
    server_.setSocketOptions(QLocalServer::UserAccessOption);
    server_.listen(key_);
    return true;
}

bool SingleInstance::activateRunning(int timeoutMs) {
    QLocalSocket socket;
    socket.connectToServer(key_);
    if (!socket.waitForConnected(timeoutMs)) {
        return false;
    }
    socket.write(kActivate);
    const bool sent = socket.waitForBytesWritten(timeoutMs);
    socket.disconnectFromServer();
    return sent;
}

void SingleInstance::onNewConnection() {
    while (QLocalSocket *socket = server_.nextPendingConnection()) {
        connect(socket, &QLocalSocket::disconnected, socket, &QObject::deleteLater);
        connect(socket, &QLocalSocket::readyRead, this, [this, socket] {
            if (socket->readAll().contains("activate")) {
                emit activationRequested();
            }
        });
    }
}

}  // namespace glyphsmith
