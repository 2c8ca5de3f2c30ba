// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QList>
#include <QProcess>
#include <QString>
#include <QStringList>
#include <QVariantList>

// A private session bus, and on it python-dbusmock's notification server, for the program a test
// starts: DBUS_SESSION_BUS_ADDRESS = address(). The bus starts no services of the machine's own, so
// a missing server stays missing. Both processes end with the object.
class NotificationBus
{
public:
    NotificationBus() = default;
    ~NotificationBus();

    // What this machine lacks to run them; empty when nothing is missing.
    static QString missingTools();

    // Starts the bus and, unless `withServer` is false, the server with these capabilities.
    bool start(const QString &capabilities, bool withServer = true);
    QString address() const { return busAddress; }

    // The arguments of each call of the server's method so far, in order; a{sv} as QVariantMap.
    QList<QVariantList> calls(const QString &method) const;
    // Signals as the server would send them.
    bool emitActionInvoked(uint id, const QString &key) const;
    bool emitClosed(uint id, uint reason = 2) const;
    // From now on the server takes Notify calls and never answers, as a hung server does.
    bool hangOnNotify() const;

private:
    bool emitSignal(const QString &name, const QString &signature, const QVariantList &arguments) const;

    QProcess bus;
    QProcess server;
    QString busAddress;
    QString connectionName;
};
