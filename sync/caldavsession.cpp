// SPDX-License-Identifier: GPL-3.0-or-later
#include "sync/caldavsession.h"

#include "version.h"

#include <QEventLoop>
#include <QNetworkReply>
#include <QNetworkRequest>
#include <QSslError>
#include <QTimer>

#include <limits>

namespace {

constexpr int MostRedirects = 5;
// Read in pieces of this size, so that Qt holds no more than this unread.
constexpr qint64 ReadBufferBytes = 1024 * 1024;

} // namespace

CalDavSession::CalDavSession(const QString &user, const QString &password, QDeadlineTimer limit)
    : authorization("Basic " + (user + ':' + password).toUtf8().toBase64()), deadline(limit)
{
}

bool CalDavSession::sendOnce(const QByteArray &verb, const QUrl &url, const CalDavHeaders &headers,
                             const QByteArray &body, CalDavAnswer *answer)
{
    lookFurther = false;
    refused = false;
    if (deadline.hasExpired()) {
        error = QStringLiteral("timed out");
        return false;
    }
    QNetworkRequest request(url.adjusted(QUrl::RemoveUserInfo));
    request.setAttribute(QNetworkRequest::RedirectPolicyAttribute, QNetworkRequest::ManualRedirectPolicy);
    request.setHeader(QNetworkRequest::UserAgentHeader, QByteArrayLiteral("Oriventa/" ORIVENTA_VERSION));
    request.setRawHeader("Authorization", authorization);
    for (const auto &header : headers)
        request.setRawHeader(header.first, header.second);
    ++requests;
    QNetworkReply *reply = manager.sendCustomRequest(request, verb, body);
    reply->setReadBufferSize(ReadBufferBytes);

    QStringList sslErrors;
    QObject::connect(reply, &QNetworkReply::sslErrors, reply, [&sslErrors](const QList<QSslError> &errors) {
        for (const QSslError &e : errors)
            sslErrors << e.errorString();
    });
    // Read as it comes, and cut off as soon as the answer is, or says it will be, too large.
    answer->body.clear();
    bool tooLarge = false;
    const auto take = [reply, answer, &tooLarge] {
        if (reply->isOpen())
            answer->body += reply->readAll();
        if (!tooLarge && (answer->body.size() > MostReplyBytes ||
                          reply->header(QNetworkRequest::ContentLengthHeader).toLongLong() > MostReplyBytes)) {
            tooLarge = true;
            reply->abort();
        }
    };
    QObject::connect(reply, &QNetworkReply::metaDataChanged, reply, take);
    QObject::connect(reply, &QNetworkReply::readyRead, reply, take);
    bool timedOut = false;
    QEventLoop loop;
    QObject::connect(reply, &QNetworkReply::finished, &loop, &QEventLoop::quit);
    QTimer limit;
    limit.setSingleShot(true);
    QObject::connect(&limit, &QTimer::timeout, reply, [reply, &timedOut] {
        timedOut = true;
        reply->abort();
    });
    if (!deadline.isForever())
        limit.start(int(qBound<qint64>(0, deadline.remainingTime(), std::numeric_limits<int>::max())));
    // User input waits: a sync runs while a window opens or closes and must not be re-entered.
    if (!reply->isFinished())
        loop.exec(QEventLoop::ExcludeUserInputEvents);
    take();

    answer->status = reply->attribute(QNetworkRequest::HttpStatusCodeAttribute).toInt();
    answer->reason = reply->attribute(QNetworkRequest::HttpReasonPhraseAttribute).toByteArray();
    answer->etag = CalDavXml::usableEtag(reply->rawHeader("ETag"));
    answer->url = url;
    const QByteArray location = reply->rawHeader("Location");
    const QString transportError = reply->errorString();
    delete reply;

    if (tooLarge)
        error = QStringLiteral("the server's answer is too large (over %1 MiB)").arg(MostReplyBytes >> 20);
    else if (timedOut)
        error = QStringLiteral("timed out");
    else if (!sslErrors.isEmpty())
        error = QStringLiteral("SSL error: ") + sslErrors.join(QStringLiteral("; "));
    else if (answer->status == 0)
        error = transportError;
    if (tooLarge || timedOut || !sslErrors.isEmpty() || answer->status == 0)
        return false;
    if (answer->status >= 300 && answer->status < 400 && !location.isEmpty())
        answer->url = url.resolved(QUrl::fromEncoded(location));
    return true;
}

bool CalDavSession::send(const QByteArray &verb, QUrl url, const CalDavHeaders &headers, const QByteArray &body,
                         CalDavAnswer *answer)
{
    for (int hop = 0;; ++hop) {
        if (!sendOnce(verb, url, headers, body, answer))
            return false;
        if (answer->url == url)
            return true;
        // The credentials go along, so only as far as the same server.
        if (hop == MostRedirects || !CalDavXml::sameServer(answer->url, url)) {
            error = QStringLiteral("the server sent the request elsewhere (%1)")
                        .arg(answer->url.toDisplayString(QUrl::RemoveUserInfo));
            return false;
        }
        url = answer->url;
    }
}

void CalDavSession::fail(const CalDavAnswer &answer)
{
    lookFurther = answer.status != 401;
    refused = answer.status == 401;
    if (answer.status == 401)
        error = QStringLiteral("the server refused the user name or password");
    else
        error = QStringLiteral("the server answered %1 %2").arg(answer.status).arg(QString::fromUtf8(answer.reason));
}

bool CalDavSession::multistatus(const QByteArray &verb, const QUrl &url, int depth, const QByteArray &body,
                                QList<CalDavXml::Response> *responses, QUrl *answered)
{
    CalDavAnswer answer;
    const CalDavHeaders headers{{"Depth", QByteArray::number(depth)},
                                {"Content-Type", "application/xml; charset=utf-8"}};
    if (!send(verb, url, headers, body, &answer))
        return false;
    // Any other success is not the multistatus asked for: a web page, most likely.
    if (answer.status != 207 && (answer.status < 200 || answer.status >= 300)) {
        fail(answer);
        return false;
    }
    if (answer.status != 207 || !CalDavXml::parseMultistatus(answer.body, answer.url, responses)) {
        error = QStringLiteral("the server's answer is not WebDAV (%1)").arg(url.toDisplayString(QUrl::RemoveUserInfo));
        if (unreadable.isEmpty())
            unreadable = error;
        lookFurther = true;
        return false;
    }
    // Reading a large answer takes time too.
    if (deadline.hasExpired()) {
        error = QStringLiteral("timed out");
        return false;
    }
    if (answered)
        *answered = answer.url;
    return true;
}

bool CalDavSession::propfind(const QUrl &url, int depth, const QList<QPair<QString, QString>> &properties,
                             QList<CalDavXml::Response> *responses, QUrl *answered)
{
    return multistatus("PROPFIND", url, depth, CalDavXml::propfind(properties), responses, answered);
}
