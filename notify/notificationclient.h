// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QObject>
#include <QStringList>

class NotificationsProxy;

// The desktop's notification service (org.freedesktop.Notifications) on the session bus. Every
// call waits a few seconds at most: a hung server must not hold the auto start.
class NotificationClient final : public QObject
{
    Q_OBJECT

public:
    explicit NotificationClient(QObject *parent = nullptr);
    ~NotificationClient() override;

    // Whether a session bus is reachable and a notification service runs on it or can be started
    // by it. The first use of the bus in the process: nothing else connects before this.
    static bool serviceAvailable();

    // Asks the server what it can do; false when it does not answer in time.
    bool readCapabilities();
    bool hasCapability(const QString &name) const { return capabilities.contains(name); }

    // Shows a notification; `actions` alternate key and label. 0 when the server did not take it,
    // and without asking once a call ran out of time: each further call would wait as long.
    uint notify(const QString &summary, const QString &body, const QStringList &actions);
    void close(uint id);

Q_SIGNALS:
    void actionInvoked(uint id, const QString &key);
    void notificationClosed(uint id, uint reason);

private:
    NotificationsProxy *proxy;
    QStringList capabilities;
    bool silent = false;
};
