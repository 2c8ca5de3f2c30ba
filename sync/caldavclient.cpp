// SPDX-License-Identifier: GPL-3.0-or-later
#include "sync/caldavclient.h"

// Placeholder until the client is written.
struct CalDavClient::Private
{
    QString error;
};

CalDavClient::CalDavClient(const QString &, const QString &, QDeadlineTimer) : d(std::make_unique<Private>()) {}
CalDavClient::~CalDavClient() = default;
bool CalDavClient::discover(const QUrl &, QList<CalendarInfo> *)
{
    return false;
}
bool CalDavClient::makeCalendar(const QUrl &, const QString &, QUrl *)
{
    return false;
}
void CalDavClient::setCalendar(const QUrl &) {}
int CalDavClient::requestCount() const
{
    return 0;
}
QString CalDavClient::error() const
{
    return d->error;
}
bool CalDavClient::collectionTag(QByteArray *)
{
    return false;
}
bool CalDavClient::listEtags(QHash<QString, QByteArray> *)
{
    return false;
}
bool CalDavClient::fetch(const QStringList &, QList<RemoteItem> *)
{
    return false;
}
WriteResult CalDavClient::put(const QString &, const QByteArray &, const QByteArray &, QByteArray *)
{
    return WriteResult::Failed;
}
WriteResult CalDavClient::remove(const QString &, const QByteArray &)
{
    return WriteResult::Failed;
}
QString CalDavClient::hrefFor(const QString &) const
{
    return {};
}
