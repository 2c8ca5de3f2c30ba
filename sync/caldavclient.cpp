// SPDX-License-Identifier: GPL-3.0-or-later
#include "sync/caldavclient.h"

#include "sync/caldavsession.h"
#include "sync/caldavxml.h"

#include <QUuid>

using CalDavXml::CalDavNs;
using CalDavXml::DavNs;

namespace {

// Multigets are cut into requests of this many resources, which servers take without complaint.
constexpr int MultigetBatch = 500;

QUrl withSlash(QUrl url)
{
    if (!url.path().endsWith('/'))
        url.setPath(url.path() + '/');
    return url;
}

bool isCalendar(const CalDavXml::Response &response)
{
    return response.property(DavNs, QStringLiteral("resourcetype")).children.contains(CalDavNs + " calendar");
}

QByteArray etagOf(const CalDavXml::Response &response)
{
    return CalDavXml::usableEtag(response.property(DavNs, QStringLiteral("getetag")).value().toUtf8());
}

bool holdsEvents(const CalDavXml::Response &response)
{
    const QStringList components =
        response.property(CalDavNs, QStringLiteral("supported-calendar-component-set")).componentSet;
    return components.isEmpty() || components.contains(QStringLiteral("VEVENT"));
}

} // namespace

struct CalDavClient::Private
{
    Private(const QString &user, const QString &password, QDeadlineTimer deadline) : session(user, password, deadline)
    {
    }

    CalDavSession session;
    QUrl collection;
    QString collectionPath; // canonical

    bool describe(const QUrl &url, CalDavXml::Response *self, QUrl *answered);
    bool findHome(const QUrl &server, const CalDavXml::Response &self, QUrl *home);
    // The address of `href`; empty when it is not in the collection.
    QUrl memberUrl(const QString &href) const;
    WriteResult refuse(const QString &href, const QString &why);
};

QUrl CalDavClient::Private::memberUrl(const QString &href) const
{
    // What is checked is the address the request goes to, as the server will read it.
    const QUrl url = CalDavXml::urlFor(collection, href);
    const bool member =
        CalDavXml::isMember(CalDavXml::canonicalPath(url.path(QUrl::FullyEncoded), collection), collectionPath);
    return member ? url : QUrl();
}

WriteResult CalDavClient::Private::refuse(const QString &href, const QString &why)
{
    session.error = QStringLiteral("%1 is left alone: %2").arg(href, why);
    return WriteResult::Failed;
}

bool CalDavClient::Private::describe(const QUrl &url, CalDavXml::Response *self, QUrl *answered)
{
    QList<CalDavXml::Response> responses;
    const bool found = session.propfind(url, 0,
                                        {{DavNs, QStringLiteral("resourcetype")},
                                         {DavNs, QStringLiteral("displayname")},
                                         {DavNs, QStringLiteral("current-user-principal")},
                                         {CalDavNs, QStringLiteral("calendar-home-set")},
                                         {CalDavNs, QStringLiteral("supported-calendar-component-set")}},
                                        &responses, answered);
    *self = found ? responses.value(0) : CalDavXml::Response();
    return found;
}

bool CalDavClient::Private::findHome(const QUrl &server, const CalDavXml::Response &self, QUrl *home)
{
    const QString homeSet = QStringLiteral("calendar-home-set");
    QStringList principals = self.property(DavNs, QStringLiteral("current-user-principal")).hrefs;
    QUrl base = server;
    if (principals.isEmpty()) {
        CalDavXml::Response known;
        if (describe(server.resolved(QUrl(QStringLiteral("/.well-known/caldav"))), &known, &base))
            principals = known.property(DavNs, QStringLiteral("current-user-principal")).hrefs;
        else if (!session.mayLookFurther())
            return false;
    }
    QStringList homes = self.property(CalDavNs, homeSet).hrefs;
    if (homes.isEmpty() && !principals.isEmpty()) {
        CalDavXml::Response principal;
        if (!describe(CalDavXml::urlFor(base, principals.first()), &principal, &base))
            return false;
        homes = principal.property(CalDavNs, homeSet).hrefs;
    }
    if (homes.isEmpty()) {
        // An answer that could not be read says more than that nothing was found.
        session.error =
            !session.unreadable.isEmpty()
                ? session.unreadable
                : QStringLiteral("no CalDAV calendars found at %1").arg(server.toDisplayString(QUrl::RemoveUserInfo));
        return false;
    }
    *home = withSlash(CalDavXml::urlFor(base, homes.first()));
    return true;
}

CalDavClient::CalDavClient(const QString &user, const QString &password, QDeadlineTimer deadline)
    : d(std::make_unique<Private>(user, password, deadline))
{
}

CalDavClient::~CalDavClient() = default;

bool CalDavClient::discover(const QUrl &server, QList<CalendarInfo> *calendars)
{
    calendars->clear();
    d->session.unreadable.clear();
    CalDavXml::Response self;
    QUrl answered;
    if (d->describe(server, &self, &answered)) {
        if (isCalendar(self)) {
            calendars->append({withSlash(CalDavXml::urlFor(answered, self.href)),
                               self.property(DavNs, QStringLiteral("displayname")).value()});
            return true;
        }
    } else if (!d->session.mayLookFurther()) {
        return false;
    }
    QUrl home;
    QList<CalDavXml::Response> found;
    if (!d->findHome(server, self, &home) ||
        !d->session.propfind(home, 1,
                             {{DavNs, QStringLiteral("resourcetype")},
                              {DavNs, QStringLiteral("displayname")},
                              {CalDavNs, QStringLiteral("supported-calendar-component-set")}},
                             &found, &answered))
        return false;
    for (const CalDavXml::Response &response : found) {
        if (isCalendar(response) && holdsEvents(response))
            calendars->append({withSlash(CalDavXml::urlFor(answered, response.href)),
                               response.property(DavNs, QStringLiteral("displayname")).value()});
    }
    return true;
}

bool CalDavClient::makeCalendar(const QUrl &server, const QString &displayName, QUrl *made)
{
    d->session.unreadable.clear();
    CalDavXml::Response self;
    QUrl answered;
    QUrl home;
    if ((!d->describe(server, &self, &answered) && !d->session.mayLookFurther()) || !d->findHome(server, self, &home))
        return false;
    QUrl target = home;
    target.setPath(home.path() + QUuid::createUuid().toString(QUuid::WithoutBraces) + '/');
    CalDavAnswer answer;
    if (!d->session.send("MKCALENDAR", target, {{"Content-Type", "application/xml; charset=utf-8"}},
                         CalDavXml::mkcalendar(displayName), &answer))
        return false;
    if (answer.status != 201) {
        d->session.fail(answer);
        return false;
    }
    *made = target;
    return true;
}

void CalDavClient::setCalendar(const QUrl &collection)
{
    d->collection = withSlash(collection.adjusted(QUrl::RemoveUserInfo | QUrl::RemoveQuery | QUrl::RemoveFragment));
    d->collectionPath = CalDavXml::canonicalPath(d->collection.path(QUrl::FullyEncoded), d->collection);
}

int CalDavClient::requestCount() const
{
    return d->session.requests;
}

bool CalDavClient::accountRefused() const
{
    return d->session.accountRefused();
}

QString CalDavClient::error() const
{
    return d->session.error;
}

bool CalDavClient::collectionTag(QByteArray *tag)
{
    // One property at a time: a server may work out each from every item of a large calendar, and
    // the ctag alone, which most servers give, answers the question.
    for (const QString &name : {QStringLiteral("getctag"), QStringLiteral("sync-token")}) {
        const QString space = name == QLatin1String("getctag") ? CalDavXml::CalendarServerNs : DavNs;
        QList<CalDavXml::Response> found;
        if (!d->session.propfind(d->collection, 0, {{space, name}}, &found))
            return false;
        *tag = found.value(0).property(space, name).value().toUtf8();
        if (!tag->isEmpty())
            return true;
    }
    return true;
}

bool CalDavClient::listEtags(QHash<QString, QByteArray> *etags)
{
    etags->clear();
    QList<CalDavXml::Response> found;
    if (!d->session.propfind(d->collection, 1,
                             {{DavNs, QStringLiteral("getetag")},
                              {DavNs, QStringLiteral("getcontenttype")},
                              {DavNs, QStringLiteral("resourcetype")}},
                             &found))
        return false;
    for (const CalDavXml::Response &response : found) {
        const QString type = response.property(DavNs, QStringLiteral("getcontenttype")).value();
        const bool calendarItem =
            type.isEmpty() || type.startsWith(QLatin1String("text/calendar"), Qt::CaseInsensitive);
        const bool collection =
            response.property(DavNs, QStringLiteral("resourcetype")).children.contains(DavNs + " collection");
        if (CalDavXml::isMember(response.href, d->collectionPath) && !collection && calendarItem &&
            !response.properties.isEmpty())
            etags->insert(response.href, etagOf(response));
    }
    return true;
}

bool CalDavClient::fetch(const QStringList &hrefs, QList<RemoteItem> *items)
{
    items->clear();
    for (int first = 0; first < hrefs.size(); first += MultigetBatch) {
        QList<QUrl> batch;
        for (const QString &href : hrefs.mid(first, MultigetBatch)) {
            const QUrl url = d->memberUrl(href);
            if (!url.isEmpty())
                batch << url;
        }
        if (batch.isEmpty())
            continue;
        QList<CalDavXml::Response> found;
        if (!d->session.multistatus("REPORT", d->collection, 1, CalDavXml::multiget(batch), &found))
            return false;
        for (const CalDavXml::Response &response : found) {
            if (response.has(CalDavNs, QStringLiteral("calendar-data")) &&
                CalDavXml::isMember(response.href, d->collectionPath))
                items->append({response.href, etagOf(response),
                               response.property(CalDavNs, QStringLiteral("calendar-data")).text.toUtf8()});
        }
    }
    return true;
}

WriteResult CalDavClient::put(const QString &href, const QByteArray &data, const QByteArray &ifMatch,
                              QByteArray *newEtag)
{
    // An unusable version writes only where nothing is yet, like no version at all.
    const QByteArray condition = CalDavXml::usableEtag(ifMatch);
    const CalDavHeaders headers{{"Content-Type", "text/calendar; charset=utf-8"},
                                condition.isEmpty() ? qMakePair(QByteArray("If-None-Match"), QByteArray("*"))
                                                    : qMakePair(QByteArray("If-Match"), condition)};
    const QUrl url = d->memberUrl(href);
    if (url.isEmpty())
        return d->refuse(href, QStringLiteral("it is not in the calendar"));
    CalDavAnswer answer;
    if (!d->session.send("PUT", url, headers, data, &answer))
        return WriteResult::Failed;
    if (answer.status == 412)
        return WriteResult::PreconditionFailed;
    if (answer.status != 200 && answer.status != 201 && answer.status != 204) {
        d->session.fail(answer);
        return WriteResult::Failed;
    }
    *newEtag = answer.etag;
    return WriteResult::Done;
}

WriteResult CalDavClient::remove(const QString &href, const QByteArray &ifMatch)
{
    const QByteArray condition = CalDavXml::usableEtag(ifMatch);
    const QUrl url = d->memberUrl(href);
    if (url.isEmpty())
        return d->refuse(href, QStringLiteral("it is not in the calendar"));
    // Without a condition the delete would take whatever another client wrote there meanwhile.
    if (condition.isEmpty())
        return d->refuse(href, QStringLiteral("the server gave no usable ETag to delete it by"));
    CalDavAnswer answer;
    if (!d->session.send("DELETE", url, {{"If-Match", condition}}, {}, &answer))
        return WriteResult::Failed;
    if (answer.status == 412)
        return WriteResult::PreconditionFailed;
    // Already gone is as good as deleted; a multistatus tells of a failure inside.
    if (answer.status == 404 || (answer.status >= 200 && answer.status < 300 && answer.status != 207))
        return WriteResult::Done;
    d->session.fail(answer);
    return WriteResult::Failed;
}

QString CalDavClient::hrefFor(const QString &uid) const
{
    const QString path = d->collection.path(QUrl::FullyEncoded) + QString::fromLatin1(QUrl::toPercentEncoding(uid));
    return CalDavXml::canonicalPath(path + QStringLiteral(".ics"), d->collection);
}
