// SPDX-License-Identifier: GPL-3.0-or-later
#include "notify/notificationclient.h"

#include "notify/logging.h"

#include <QDBusAbstractInterface>
#include <QDBusConnection>
#include <QDBusMessage>
#include <QDBusReply>
#include <QVariantMap>

namespace {

const QString serviceName = QStringLiteral("org.freedesktop.Notifications");
const QString objectPath = QStringLiteral("/org/freedesktop/Notifications");
constexpr int callTimeoutMs = 5000;

QDBusMessage callBus(const QDBusConnection &bus, const char *method, const QVariantList &arguments = {})
{
    QDBusMessage call =
        QDBusMessage::createMethodCall(QStringLiteral("org.freedesktop.DBus"), QStringLiteral("/org/freedesktop/DBus"),
                                       QStringLiteral("org.freedesktop.DBus"), QLatin1String(method));
    call.setArguments(arguments);
    return bus.call(call, QDBus::Block, callTimeoutMs);
}

bool isReply(const QDBusMessage &message)
{
    return message.type() == QDBusMessage::ReplyMessage && !message.arguments().isEmpty();
}

} // namespace

// The service's signals as Qt signals, so that they connect like any other. Their names are the
// bus's own: the base class matches them by name. Unlike QDBusInterface it does not introspect the
// service when built, a call that would wait Qt's 25 s on a server that does not answer.
class NotificationsProxy final : public QDBusAbstractInterface
{
    Q_OBJECT

public:
    explicit NotificationsProxy(QObject *parent)
        : QDBusAbstractInterface(serviceName, objectPath, "org.freedesktop.Notifications",
                                 QDBusConnection::sessionBus(), parent)
    {
        setTimeout(callTimeoutMs);
    }

Q_SIGNALS:
    void ActionInvoked(uint id, const QString &actionKey);
    void NotificationClosed(uint id, uint reason);
};

NotificationClient::NotificationClient(QObject *parent) : QObject(parent), proxy(new NotificationsProxy(this))
{
    connect(proxy, &NotificationsProxy::ActionInvoked, this, &NotificationClient::actionInvoked);
    connect(proxy, &NotificationsProxy::NotificationClosed, this, &NotificationClient::notificationClosed);
}

NotificationClient::~NotificationClient() = default;

bool NotificationClient::serviceAvailable()
{
    const QDBusConnection bus = QDBusConnection::sessionBus();
    if (!bus.isConnected()) {
        qCDebug(lcNotify).noquote() << "no session bus:" << bus.lastError().message();
        return false;
    }
    if (const QDBusMessage owned = callBus(bus, "NameHasOwner", {serviceName}); isReply(owned))
        if (owned.arguments().constFirst().toBool())
            return true;
    // Many servers start on their first call rather than with the desktop.
    const QDBusMessage startable = callBus(bus, "ListActivatableNames");
    if (isReply(startable) && startable.arguments().constFirst().toStringList().contains(serviceName))
        return true;
    qCDebug(lcNotify) << "no notification service on the session bus";
    return false;
}

bool NotificationClient::readCapabilities()
{
    const QDBusReply<QStringList> reply = proxy->call(QStringLiteral("GetCapabilities"));
    if (!reply.isValid()) {
        // The reminders then go to the window: the server's error is the one trace of why.
        qCWarning(lcNotify).noquote() << "the notification service did not tell its capabilities:"
                                      << reply.error().name() << reply.error().message();
        return false;
    }
    capabilities = reply.value();
    qCDebug(lcNotify) << "capabilities:" << capabilities;
    return true;
}

uint NotificationClient::notify(const QString &summary, const QString &body, const QStringList &actions)
{
    if (silent)
        return 0;
    // Kept until answered where the server honours it: resident stays after an action until the
    // program closes it, and a timeout of 0 never expires. Normal urgency: a reminder is no alarm.
    const QVariantMap hints{{QStringLiteral("desktop-entry"), QStringLiteral("oriventa")},
                            {QStringLiteral("resident"), true},
                            {QStringLiteral("urgency"), QVariant::fromValue<uchar>(1)}};
    const QDBusReply<uint> reply = proxy->call(QStringLiteral("Notify"), QStringLiteral("Oriventa"), uint(0),
                                               QStringLiteral("oriventa"), summary, body, actions, hints, int(0));
    if (!reply.isValid()) {
        // The reminder stays due for the next start; the server's error is the one trace of why.
        qCWarning(lcNotify).noquote() << "the notification service refused a notification:" << reply.error().name()
                                      << reply.error().message();
        silent = reply.error().type() == QDBusError::NoReply || reply.error().type() == QDBusError::Timeout;
        return 0;
    }
    return reply.value();
}

void NotificationClient::close(uint id)
{
    // Nothing waits for the answer, so a slow server cannot hold up the end of the program.
    proxy->call(QDBus::NoBlock, QStringLiteral("CloseNotification"), id);
}

#include "notificationclient.moc"
