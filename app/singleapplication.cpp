// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/singleapplication.h"

#include <QDataStream>
#include <QElapsedTimer>
#include <QLocalServer>
#include <QLocalSocket>
#include <QThread>
#include <QTimer>
#include <QWidget>

namespace {

constexpr int messageTimeoutMs = 1000;

} // namespace

SingleApplication::SingleApplication(int &argc, char **argv, std::unique_ptr<InstanceLock> takenLock)
    : QApplication(argc, argv), lock(std::move(takenLock))
{
}

SingleApplication::~SingleApplication()
{
    release();
}

void SingleApplication::release()
{
    if (server)
        server->close();
    if (lock)
        lock->release();
}

QString SingleApplication::runtimeDirectory()
{
    return InstanceLock::runtimeDirectory();
}

QString SingleApplication::serverName() const
{
#ifdef Q_OS_UNIX
    return InstanceLock::pathInRuntimeDirectory(QStringLiteral(".socket"));
#else
    return organizationName() + QLatin1Char('-') + applicationName() + QLatin1Char('-') + InstanceLock::userTag();
#endif
}

void SingleApplication::decide()
{
    if (decided)
        return;
    decided = true;
    if (!lock)
        lock = std::make_unique<InstanceLock>();
    if (lock->isHeldElsewhere()) {
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
