// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "app/instancelock.h"

#include <QApplication>
#include <QPointer>
#include <QWidget>

#include <memory>

class QLocalServer;

// A QApplication that knows whether another copy of the program runs for the same user.
// The first copy holds a lock file and listens on a local socket; a later copy finds the lock
// taken and may send the first one a message, which raises the first copy's window. A start that
// asked for the lock before building the application hands it over here.
class SingleApplication final : public QApplication
{
    Q_OBJECT

public:
    SingleApplication(int &argc, char **argv, std::unique_ptr<InstanceLock> takenLock = nullptr);
    ~SingleApplication() override;

    // True when another copy holds the lock. The first call decides, so call it after the
    // application and organisation names are set (they name the lock).
    bool isRunning();

    // Sends a message to the running copy; false when none could be reached in `timeoutMs`.
    bool sendMessage(const QString &message, int timeoutMs = 2000);

    // Raises the activation window, if there is one.
    void activateWindow();
    void setActivationWindow(QWidget *window, bool activateOnMessage = true);
    QWidget *activationWindow() const { return window; }

    // Gives up the socket and the lock at once, as the destructor would, for a process that ends
    // without tearing the application down.
    void release();

    // The per-user directory that holds the lock file and the socket.
    static QString runtimeDirectory();

Q_SIGNALS:
    void messageReceived(const QString &message);

private:
    void decide();
    QString serverName() const;
    void readMessage();

    std::unique_ptr<InstanceLock> lock;
    QLocalServer *server = nullptr;
    QPointer<QWidget> window;
    bool decided = false;
    bool running = false;
    bool activateOnMessage = false;
};
