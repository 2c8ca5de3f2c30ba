// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "sync/caldavxml.h"

#include <QByteArray>
#include <QDeadlineTimer>
#include <QList>
#include <QNetworkAccessManager>
#include <QPair>
#include <QString>
#include <QUrl>

#include <functional>

// The most of one answer that is read: calendars of thousands of events stay far below, and an
// answer beyond it (an endless one, say) is cut off before it fills the memory.
constexpr qint64 MostReplyBytes = 64 * 1024 * 1024;

using CalDavHeaders = QList<QPair<QByteArray, QByteArray>>;

struct CalDavAnswer
{
    int status = 0;
    QByteArray reason;
    QByteArray body;
    QByteArray etag; // CalDavXml::usableEtag of the header
    QUrl url;        // where the answer came from, after redirects
    QString error;   // why no HTTP answer came; empty when one did
};

struct CalDavRequest
{
    QByteArray verb;
    QUrl url;
    CalDavHeaders headers;
    QByteArray body;
};

// As many requests in flight at once as Qt keeps connections to one server.
constexpr int MostInFlight = 6;

// The requests of one account: each waits in a local event loop at most `requestLimitMs` and never
// past the deadline of the whole, TLS errors end it, and the password goes only into the
// Authorization header.
class CalDavSession
{
public:
    CalDavSession(const QString &user, const QString &password, QDeadlineTimer limit, int requestLimitMs);

    // Sends a request and follows redirects on the same server; false (with `error` set) when no
    // HTTP answer came.
    bool send(const QByteArray &verb, QUrl url, const CalDavHeaders &headers, const QByteArray &body,
              CalDavAnswer *answer);
    // Sends the requests in order, up to MostInFlight at a time, following redirects as send()
    // does; each answer says in `error` when none came. `next` is told of each answer as it comes
    // (its index); returning false sends no more. Returns how many were sent: the first ones.
    int sendAll(const QList<CalDavRequest> &requests, QList<CalDavAnswer> *answers,
                const std::function<bool(int)> &next = {});
    // A request to be answered by a multistatus.
    static CalDavRequest multistatusRequest(const QByteArray &verb, const QUrl &url, int depth, const QByteArray &body);
    // Reads a multistatus answer (see multistatus()); false with `error` set.
    bool readMultistatus(const CalDavAnswer &answer, const QUrl &url, QList<CalDavXml::Response> *responses,
                         QUrl *answered = nullptr);
    // A request answered by a 207 multistatus (PROPFIND, REPORT), read within the deadline.
    bool multistatus(const QByteArray &verb, const QUrl &url, int depth, const QByteArray &body,
                     QList<CalDavXml::Response> *responses, QUrl *answered = nullptr);
    bool propfind(const QUrl &url, int depth, const QList<QPair<QString, QString>> &properties,
                  QList<CalDavXml::Response> *responses, QUrl *answered = nullptr);
    // Sets `error` for an answer that was not the one hoped for.
    void fail(const CalDavAnswer &answer);
    // After a failure, whether looking elsewhere on the server may still help: only when the server
    // answered, readably or not, that it has nothing here; not when nothing answered, the account
    // was refused, the request was sent elsewhere or the answer was too large.
    bool mayLookFurther() const { return lookFurther; }
    // Whether the last failure was the server refusing the account (401).
    bool accountRefused() const { return refused; }

    QString error;
    // The first "not WebDAV" error since it was last cleared: the cause to name when looking
    // further found nothing either.
    QString unreadable;
    int requests = 0;

private:
    struct Flight;
    int sendWindow(const QList<CalDavRequest> &batch, QList<CalDavAnswer> *answers,
                   const std::function<bool(int)> &next);
    Flight *start(const CalDavRequest &request);
    void land(Flight &flight, CalDavAnswer *answer);

    QNetworkAccessManager manager;
    QByteArray authorization; // the only place the password is kept
    QDeadlineTimer deadline;
    int requestLimitMs;
    bool lookFurther = false;
    bool refused = false;
};
