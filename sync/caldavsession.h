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

using CalDavHeaders = QList<QPair<QByteArray, QByteArray>>;

struct CalDavAnswer
{
    int status = 0;
    QByteArray reason;
    QByteArray body;
    QByteArray etag;
    QUrl url; // where the answer came from, after redirects
};

// The requests of one account, one at a time: each waits in a local event loop at most until the
// deadline, TLS errors end it, and the password goes only into the Authorization header.
class CalDavSession
{
public:
    CalDavSession(const QString &user, const QString &password, QDeadlineTimer limit);

    // Sends a request and follows redirects on the same server; false (with `error` set) when no
    // HTTP answer came.
    bool send(const QByteArray &verb, QUrl url, const CalDavHeaders &headers, const QByteArray &body,
              CalDavAnswer *answer);
    // A request answered by a 207 multistatus (PROPFIND, REPORT), read.
    bool multistatus(const QByteArray &verb, const QUrl &url, int depth, const QByteArray &body,
                     QList<CalDavXml::Response> *responses, QUrl *answered = nullptr);
    bool propfind(const QUrl &url, int depth, const QList<QPair<QString, QString>> &properties,
                  QList<CalDavXml::Response> *responses, QUrl *answered = nullptr);
    // Sets `error` for an answer that was not the one hoped for.
    void fail(const CalDavAnswer &answer);
    // After a failure, whether looking elsewhere on the server may still help: not when nothing
    // answered or the account was refused.
    bool mayLookFurther() const { return lastStatus != 0 && lastStatus != 401; }
    bool accountRefused() const { return lastStatus == 401; }

    QString error;
    int requests = 0;

private:
    bool sendOnce(const QByteArray &verb, const QUrl &url, const CalDavHeaders &headers, const QByteArray &body,
                  CalDavAnswer *answer);

    QNetworkAccessManager manager;
    QByteArray authorization; // the only place the password is kept
    QDeadlineTimer deadline;
    int lastStatus = 0; // of the last answer; 0 when none came
};
