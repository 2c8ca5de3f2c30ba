// SPDX-License-Identifier: GPL-3.0-or-later
#include "sync/caldavclient.h"

#include "sync/caldavsession.h"
#include "sync/caldavxml.h"

#include <QCoreApplication>
#include <QUuid>

using CalDavXml::CalDavNs;
using CalDavXml::DavNs;

namespace {

// Multigets are cut into requests of at most this many resources, which servers take without
// complaint, and of at least MultigetLeast, spread over the requests that run at once.
constexpr int MultigetBatch = 500;
constexpr int MultigetLeast = 20;

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
    Private(const QString &user, const QString &password, QDeadlineTimer deadline, int requestLimitMs)
        : session(user, password, deadline, requestLimitMs)
    {
    }

    CalDavSession session;
    QUrl collection;
    QString collectionPath; // canonical

    bool describe(const QUrl &url, CalDavXml::Response *self, QUrl *answered);
    bool findHome(const QUrl &server, const CalDavXml::Response &self, QUrl *home);
    // The address of `href`; empty when it is not in the collection.
    QUrl memberUrl(const QString &href) const;
    // Always false, with `error` saying why the write is left unsent.
    bool refuse(const QString &href, const QString &why);
    // The request of a write; false, with `error` set, when it is not to be sent.
    bool request(const Write &write, CalDavRequest *request);
    // What the answer says of the write; the reason of a failure goes to `why`.
    static WriteResult result(const Write &write, const CalDavAnswer &answer, bool *failed);
};

bool CalDavClient::Private::request(const Write &write, CalDavRequest *request)
{
    // An unusable version writes only where nothing is yet, like no version at all.
    const QByteArray condition = CalDavXml::usableEtag(write.ifMatch);
    const QUrl url = memberUrl(write.href);
    if (url.isEmpty())
        return refuse(write.href, QCoreApplication::translate("CalDav", "it is not in the calendar"));
    if (write.remove) {
        // Without a condition the delete would take whatever another client wrote there meanwhile.
        if (condition.isEmpty())
            return refuse(write.href,
                          QCoreApplication::translate("CalDav", "the server gave no usable ETag to delete it by"));
        *request = {"DELETE", url, {{"If-Match", condition}}, {}};
        return true;
    }
    *request = {"PUT",
                url,
                {{"Content-Type", "text/calendar; charset=utf-8"},
                 condition.isEmpty() ? qMakePair(QByteArray("If-None-Match"), QByteArray("*"))
                                     : qMakePair(QByteArray("If-Match"), condition)},
                write.data};
    return true;
}

WriteResult CalDavClient::Private::result(const Write &write, const CalDavAnswer &answer, bool *failed)
{
    *failed = false;
    if (!answer.error.isEmpty())
        return WriteResult::Failed;
    if (answer.status == 412)
        return WriteResult::PreconditionFailed;
    // Already gone is as good as deleted; a multistatus tells of a failure inside.
    if (write.remove ? answer.status == 404 || (answer.status >= 200 && answer.status < 300 && answer.status != 207)
                     : answer.status == 200 || answer.status == 201 || answer.status == 204)
        return WriteResult::Done;
    *failed = true;
    return WriteResult::Failed;
}

QUrl CalDavClient::Private::memberUrl(const QString &href) const
{
    // What is checked is the address the request goes to, as the server will read it.
    const QUrl url = CalDavXml::urlFor(collection, href);
    const bool member =
        CalDavXml::isMember(CalDavXml::canonicalPath(url.path(QUrl::FullyEncoded), collection), collectionPath);
    return member ? url : QUrl();
}

bool CalDavClient::Private::refuse(const QString &href, const QString &why)
{
    //: %1 is an event's address on the server, %2 the reason ("it is not in the calendar", …).
    session.error = QCoreApplication::translate("CalDav", "%1 is left alone: %2").arg(href, why);
    return false;
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
        session.error = !session.unreadable.isEmpty()
                            ? session.unreadable
                            : QCoreApplication::translate("CalDav", "no CalDAV calendars found at %1")
                                  .arg(server.toDisplayString(QUrl::RemoveUserInfo));
        return false;
    }
    *home = withSlash(CalDavXml::urlFor(base, homes.first()));
    return true;
}

CalDavClient::CalDavClient(const QString &user, const QString &password, QDeadlineTimer deadline, int requestLimitMs)
    : d(std::make_unique<Private>(user, password, deadline, requestLimitMs))
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
    QList<QUrl> urls;
    for (const QString &href : hrefs) {
        const QUrl url = d->memberUrl(href);
        if (!url.isEmpty())
            urls << url;
    }
    const int per = qBound(MultigetLeast, (urls.size() + MostInFlight - 1) / MostInFlight, MultigetBatch);
    QList<CalDavRequest> requests;
    for (int first = 0; first < urls.size(); first += per)
        requests << CalDavSession::multistatusRequest("REPORT", d->collection, 1,
                                                      CalDavXml::multiget(urls.mid(first, per)));
    QList<CalDavAnswer> answers;
    const int sent = d->session.sendAll(requests, &answers, [&answers](int i) { return answers[i].error.isEmpty(); });
    for (int i = 0; i < requests.size(); ++i) {
        QList<CalDavXml::Response> found;
        if (i >= sent || !answers[i].error.isEmpty()) {
            d->session.error = answers.value(i).error;
            return false;
        }
        if (!d->session.readMultistatus(answers[i], d->collection, &found))
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
    const Written done = write({Write{href, data, ifMatch, false}}, {}).value(0);
    *newEtag = done.etag;
    return done.result;
}

WriteResult CalDavClient::remove(const QString &href, const QByteArray &ifMatch)
{
    return write({Write{href, {}, ifMatch, true}}, {}).value(0).result;
}

QList<Written> CalDavClient::write(const QList<Write> &writes, const std::function<bool(const Written &)> &next)
{
    // Sent up to the first write refused unsent, which ends the batch as a failure would.
    QList<CalDavRequest> requests;
    for (const Write &w : writes) {
        CalDavRequest request;
        if (!d->request(w, &request))
            break;
        requests << request;
    }
    const QString refusal = requests.size() < writes.size() ? d->session.error : QString();
    QList<CalDavAnswer> answers;
    bool failed = false;
    const int sent = d->session.sendAll(requests, &answers, [&](int i) {
        Written done{Private::result(writes[i], answers[i], &failed), answers[i].etag};
        return !next || next(done);
    });
    QList<Written> results;
    bool told = false;
    for (int i = 0; i < sent; ++i) {
        results << Written{Private::result(writes[i], answers[i], &failed), answers[i].etag};
        // The first failure in order names the cause.
        if (results.last().result == WriteResult::Failed && !told) {
            told = true;
            if (failed)
                d->session.fail(answers[i]);
            else
                d->session.error = answers[i].error;
        }
    }
    if (sent == requests.size() && !refusal.isEmpty()) {
        results << Written{};
        if (!told)
            d->session.error = refusal;
    }
    return results;
}

QString CalDavClient::hrefFor(const QString &uid) const
{
    const QString path = d->collection.path(QUrl::FullyEncoded) + QString::fromLatin1(QUrl::toPercentEncoding(uid));
    return CalDavXml::canonicalPath(path + QStringLiteral(".ics"), d->collection);
}
