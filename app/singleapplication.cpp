// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/singleapplication.h"

#include <QDataStream>
#include <QDir>
#include <QElapsedTimer>
#include <QLocalServer>
#include <QLocalSocket>
#include <QLockFile>
#include <QStandardPaths>
#include <QThread>
#include <QTimer>
#include <QWidget>

#ifdef Q_OS_UNIX
#include <unistd.h>
#endif

namespace {

constexpr int messageTimeoutMs = 1000;

QString userTag()
{
#ifdef Q_OS_UNIX
    return QString::number(::getuid());
#else
    return qEnvironmentVariable("USERNAME");
#endif
}

} // namespace

SingleApplication::SingleApplication(int &argc, char **argv) : QApplication(argc, argv) {}

SingleApplication::~SingleApplication()
{
    release();
}

void SingleApplication::release()
{
    if (server)
        server->close();
    if (lock)
        lock->unlock();
}

QString SingleApplication::runtimeDirectory()
{
    // XDG_RUNTIME_DIR is private to the user; elsewhere the temporary directory is shared, so
    // a directory of our own named after the user keeps two users apart.
    QString dir = QStandardPaths::writableLocation(QStandardPaths::RuntimeLocation);
    if (dir.isEmpty())
        dir = QDir::tempPath() + QLatin1String("/oriventa-") + userTag();
    QDir().mkpath(dir);
    QFile::setPermissions(dir, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    return dir;
}

QString SingleApplication::serverName() const
{
    const QString name = organizationName() + QLatin1Char('-') + applicationName();
#ifdef Q_OS_UNIX
    return runtimeDirectory() + QLatin1Char('/') + name + QLatin1String(".socket");
#else
    return name + QLatin1Char('-') + userTag();
#endif
}

void SingleApplication::decide()
{
    if (decided)
        return;
    decided = true;
    const QString lockPath = runtimeDirectory() + QLatin1Char('/') + organizationName() + QLatin1Char('-') +
                             applicationName() + QLatin1String(".lock");
    lock = std::make_unique<QLockFile>(lockPath);
    // Only a lock whose owner has died is stale, however old it is.
    lock->setStaleLockTime(0);
    if (!lock->tryLock(0)) {
        running = true;
        return;
    }
    server = new QLocalServer(this);
    server->setSocketOptions(QLocalServer::UserAccessOption);
    // A socket left behind by a crashed copy would make listen() fail.
    QLocalServer::removeServer(serverName());
    server->listen(serverName());
    connect(server, &QLocalServer::newConnection, this, &SingleApplication::readMessage);
}

bool SingleApplication::isRunning()
{
    decide();
    return running;
}

bool SingleApplication::sendMessage(const QString &message, int timeoutMs)
{
    if (!isRunning())
        return false;
    QElapsedTimer clock;
    clock.start();
    // The first copy may still be starting its server: try again for a little while.
    for (;;) {
        QLocalSocket socket;
        socket.connectToServer(serverName());
        if (socket.waitForConnected(std::max(1, timeoutMs - int(clock.elapsed())))) {
            QByteArray data;
            QDataStream out(&data, QIODevice::WriteOnly);
            out << message;
            socket.write(data);
            const bool sent = socket.waitForBytesWritten(std::max(1, timeoutMs - int(clock.elapsed())));
            socket.disconnectFromServer();
            return sent;
        }
        if (clock.elapsed() >= timeoutMs)
            return false;
        QThread::msleep(50);
    }
}

void SingleApplication::readMessage()
{
    while (QLocalSocket *socket = server->nextPendingConnection()) {
        connect(socket, &QLocalSocket::disconnected, socket, &QObject::deleteLater);
        QTimer::singleShot(messageTimeoutMs, socket, &QObject::deleteLater);
        connect(socket, &QLocalSocket::readyRead, this, [this, socket] {
            QDataStream in(socket);
            in.startTransaction();
            QString message;
            in >> message;
            if (!in.commitTransaction())
                return;
            Q_EMIT messageReceived(message);
            if (activateOnMessage)
                activateWindow();
            socket->disconnectFromServer();
        });
    }
}

void SingleApplication::activateWindow()
{
    if (!window)
        return;
    window->setWindowState(window->windowState() & ~Qt::WindowMinimized);
    window->show();
    window->raise();
    window->activateWindow();
}

void SingleApplication::setActivationWindow(QWidget *w, bool activate)
{
    window = w;
    activateOnMessage = activate;
}
