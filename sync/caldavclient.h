// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "sync/remotecalendar.h"
#include "sync/sync.h"

#include <QDeadlineTimer>
#include <QList>
#include <QString>
#include <QUrl>

#include <memory>

struct CalendarInfo
{
    QUrl url;
    QString displayName;
};

// A careful CalDAV client (RFC 4791) for one account: every request waits at most
// `requestLimitMs` and never past the deadline, TLS errors end the request, the password goes only
// into the Authorization header. Multigets and batches of writes run several requests at once.
class CalDavClient final : public RemoteCalendar
{
public:
    CalDavClient(const QString &user, const QString &password, QDeadlineTimer deadline,
                 int requestLimitMs = RequestTimeLimitMs);
    ~CalDavClient() override;

    // The calendars of the account at `server`: the collection itself when `server` is one, else
    // those found through /.well-known/caldav, current-user-principal and calendar-home-set.
    bool discover(const QUrl &server, QList<CalendarInfo> *calendars);
    // Makes a calendar named `displayName` in the account's calendar home (MKCALENDAR).
    bool makeCalendar(const QUrl &server, const QString &displayName, QUrl *made);
    // The collection the RemoteCalendar calls work on.
    void setCalendar(const QUrl &collection);

    // Requests sent so far, for tests and measurements.
    int requestCount() const;

    // Whether the last failure was the server refusing the user name or password.
    bool accountRefused() const;

    QString error() const override;
    bool collectionTag(QByteArray *tag) override;
    bool listEtags(QHash<QString, QByteArray> *etags) override;
    bool fetch(const QStringList &hrefs, QList<RemoteItem> *items) override;
    WriteResult put(const QString &href, const QByteArray &data, const QByteArray &ifMatch,
                    QByteArray *newEtag) override;
    WriteResult remove(const QString &href, const QByteArray &ifMatch) override;
    QList<Written> write(const QList<Write> &writes, const std::function<bool(const Written &)> &next) override;
    QString hrefFor(const QString &uid) const override;

    CalDavClient(const CalDavClient &) = delete;
    CalDavClient &operator=(const CalDavClient &) = delete;

private:
    struct Private;
    std::unique_ptr<Private> d;
};
