// SPDX-License-Identifier: GPL-3.0-or-later
#include "tests/support/notificationbus.h"

#include "tests/support/programrun.h"

#include <QDBusArgument>
#include <QDBusConnection>
#include <QDBusConnectionInterface>
#include <QDBusMessage>
#include <QDBusVariant>
#include <QDeadlineTimer>
#include <QFile>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QThread>

namespace {

const QString notifications = QStringLiteral("org.freedesktop.Notifications");
const QString python = QStringLiteral("/usr/bin/python3");

// A session bus that listens in the temporary directory and knows no service files.
const char busConfig[] = "<!DOCTYPE busconfig PUBLIC \"-//freedesktop//DTD D-Bus Bus Configuration 1.0//EN\"\n"
                         " \"http://www.freedesktop.org/standards/dbus/1.0/busconfig.dtd\">\n"
                         "<busconfig><type>session</type><listen>unix:tmpdir=%1</listen>\n"
                         "<policy context=\"default\"><allow send_destination=\"*\" eavesdrop=\"true\"/>\n"
                         "<allow eavesdrop=\"true\"/><allow own=\"*\"/></policy></busconfig>\n";

} // namespace

NotificationBus::~NotificationBus()
{
    if (!connectionName.isEmpty())
        QDBusConnection::disconnectFromBus(connectionName);
    for (QProcess *process : {&server, &bus})
        endProgram(*process, SIGKILL, 5000);
}

QString NotificationBus::missingTools()
{
    if (QStandardPaths::findExecutable(QStringLiteral("dbus-daemon")).isEmpty())
        return QStringLiteral("dbus-daemon is not installed");
    if (runProgram(python, {QStringLiteral("-c"), QStringLiteral("import dbusmock")}).status != 0)
        return QStringLiteral("python3-dbusmock is not installed");
    return QString();
}

bool NotificationBus::start(const QString &capabilities, bool withServer)
{
    const QString tmp = QStandardPaths::writableLocation(QStandardPaths::TempLocation);
    const QString configPath = tmp + QStringLiteral("/notificationbus.conf");
    QFile config(configPath);
    if (!config.open(QIODevice::WriteOnly) || config.write(QString::fromLatin1(busConfig).arg(tmp).toUtf8()) < 0)
        return false;
    config.close();
    bus.start(QStringLiteral("dbus-daemon"), {QStringLiteral("--config-file=") + configPath, QStringLiteral("--nofork"),
                                              QStringLiteral("--print-address=1")});
    if (!bus.waitForStarted(5000))
        return false;
    QDeadlineTimer deadline(10000);
    while (!bus.canReadLine() && !deadline.hasExpired())
        bus.waitForReadyRead(100);
    busAddress = QString::fromUtf8(bus.readLine()).trimmed();
    if (busAddress.isEmpty())
        return false;
    connectionName = QStringLiteral("notificationbus-") + busAddress;
    const QDBusConnection connection = QDBusConnection::connectToBus(busAddress, connectionName);
    if (!connection.isConnected() || !withServer)
        return connection.isConnected();

    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(QStringLiteral("DBUS_SESSION_BUS_ADDRESS"), busAddress);
    server.setProcessEnvironment(env);
    server.setProcessChannelMode(QProcess::ForwardedErrorChannel);
    QStringList arguments{QStringLiteral("-m"), QStringLiteral("dbusmock"), QStringLiteral("--session"),
                          QStringLiteral("-t"), QStringLiteral("notification_daemon")};
    if (!capabilities.isEmpty())
        arguments << QStringLiteral("-p") << QStringLiteral("{\"capabilities\": \"%1\"}").arg(capabilities);
    server.start(python, arguments);
    if (!server.waitForStarted(5000))
        return false;
    while (!connection.interface()->isServiceRegistered(notifications).value()) {
        if (deadline.hasExpired() || server.state() == QProcess::NotRunning)
            return false;
        QThread::msleep(50);
    }
    return true;
}

QList<QVariantList> NotificationBus::calls(const QString &method) const
{
    QDBusMessage ask =
        QDBusMessage::createMethodCall(notifications, QStringLiteral("/org/freedesktop/Notifications"),
                                       QStringLiteral("org.freedesktop.DBus.Mock"), QStringLiteral("GetMethodCalls"));
    ask.setArguments({method});
    const QDBusMessage reply = QDBusConnection(connectionName).call(ask, QDBus::Block, 5000);
    QList<QVariantList> result;
    if (reply.type() != QDBusMessage::ReplyMessage || reply.arguments().isEmpty())
        return result;
    const QDBusArgument list = reply.arguments().constFirst().value<QDBusArgument>();
    list.beginArray();
    while (!list.atEnd()) {
        qulonglong time = 0;
        QVariantList arguments;
        list.beginStructure();
        list >> time >> arguments;
        list.endStructure();
        for (QVariant &argument : arguments) {
            if (argument.userType() == qMetaTypeId<QDBusArgument>())
                argument = qdbus_cast<QVariantMap>(argument.value<QDBusArgument>());
        }
        result << arguments;
    }
    list.endArray();
    return result;
}

bool NotificationBus::emitSignal(const QString &name, const QString &signature, const QVariantList &arguments) const
{
    QVariantList wrapped;
    for (const QVariant &argument : arguments)
        wrapped << QVariant::fromValue(QDBusVariant(argument));
    QDBusMessage call =
        QDBusMessage::createMethodCall(notifications, QStringLiteral("/org/freedesktop/Notifications"),
                                       QStringLiteral("org.freedesktop.DBus.Mock"), QStringLiteral("EmitSignal"));
    call.setArguments({notifications, name, signature, QVariant::fromValue(wrapped)});
    return QDBusConnection(connectionName).call(call, QDBus::Block, 5000).type() == QDBusMessage::ReplyMessage;
}

bool NotificationBus::hangOnNotify() const
{
    QDBusMessage call =
        QDBusMessage::createMethodCall(notifications, QStringLiteral("/org/freedesktop/Notifications"),
                                       QStringLiteral("org.freedesktop.DBus.Mock"), QStringLiteral("AddMethod"));
    // The mock runs a method's code on its one thread: the sleep holds every call after it too.
    call.setArguments({notifications, "Notify", "susssasa{sv}i", "u", QStringLiteral("time.sleep(3600)")});
    return QDBusConnection(connectionName).call(call, QDBus::Block, 5000).type() == QDBusMessage::ReplyMessage;
}

bool NotificationBus::emitActionInvoked(uint id, const QString &key) const
{
    return emitSignal(QStringLiteral("ActionInvoked"), QStringLiteral("us"), {id, key});
}

bool NotificationBus::emitClosed(uint id, uint reason) const
{
    return emitSignal(QStringLiteral("NotificationClosed"), QStringLiteral("uu"), {id, reason});
}
