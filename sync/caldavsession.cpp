// SPDX-License-Identifier: GPL-3.0-or-later
#include "sync/caldavsession.h"

#include "version.h"

#include <QCoreApplication>
#include <QEventLoop>
#include <QNetworkReply>
#include <QNetworkRequest>
#include <QSslError>
#include <QTimer>
#include <QVector>

#include <limits>
#include <memory>
#include <utility>
#include <vector>

namespace {

constexpr int MostRedirects = 5;
// Read in pieces of this size, so that Qt holds no more than this unread.
constexpr qint64 ReadBufferBytes = 1024 * 1024;

QString timedOut()
{
    //: Why a request or a sync failed, shown after "sync failed: ".
    return QCoreApplication::translate("CalDav", "timed out");
}

} // namespace

struct CalDavSession::Flight
{
    QNetworkReply *reply = nullptr;
    QUrl url;
    QByteArray body;
    QStringList sslErrors;
    QTimer limit;
    bool tooLarge = false;
    bool timedOut = false;

    // Reads what came, and cuts off as soon as the answer is, or says it will be, too large.
    void take()
    {
        if (reply->isOpen())
            body += reply->readAll();
        if (!tooLarge && (body.size() > MostReplyBytes ||
                          reply->header(QNetworkRequest::ContentLengthHeader).toLongLong() > MostReplyBytes)) {
            tooLarge = true;
            reply->abort();
        }
    }
};

CalDavSession::CalDavSession(const QString &user, const QString &password, QDeadlineTimer limit, int perRequestMs)
    : authorization("Basic " + (user + ':' + password).toUtf8().toBase64()), deadline(limit),
      requestLimitMs(perRequestMs)
{
}

CalDavSession::Flight *CalDavSession::start(const CalDavRequest &sent)
{
    if (deadline.hasExpired())
        return nullptr;
    QNetworkRequest request(sent.url.adjusted(QUrl::RemoveUserInfo));
    request.setAttribute(QNetworkRequest::RedirectPolicyAttribute, QNetworkRequest::ManualRedirectPolicy);
    request.setHeader(QNetworkRequest::UserAgentHeader, QByteArrayLiteral("Oriventa/" ORIVENTA_VERSION));
    request.setRawHeader("Authorization", authorization);
    for (const auto &header : sent.headers)
        request.setRawHeader(header.first, header.second);
    ++requests;
    auto *flight = new Flight;
    flight->url = sent.url;
    QNetworkReply *reply = flight->reply = manager.sendCustomRequest(request, sent.verb, sent.body);
    reply->setReadBufferSize(ReadBufferBytes);
    QObject::connect(reply, &QNetworkReply::sslErrors, reply, [flight](const QList<QSslError> &errors) {
        for (const QSslError &e : errors)
            flight->sslErrors << e.errorString();
    });
    QObject::connect(reply, &QNetworkReply::metaDataChanged, reply, [flight] { flight->take(); });
    QObject::connect(reply, &QNetworkReply::readyRead, reply, [flight] { flight->take(); });
    flight->limit.setSingleShot(true);
    QObject::connect(&flight->limit, &QTimer::timeout, reply, [flight] {
        // An answer that came but has not been read yet is an answer, not a time-out.
        if (flight->reply->isFinished())
            return;
        flight->timedOut = true;
        flight->reply->abort();
    });
    // Started only when sent, so that a request waiting for a connection loses none of its time.
    const qint64 ms = deadline.isForever() ? requestLimitMs : qMin<qint64>(requestLimitMs, deadline.remainingTime());
    flight->limit.start(int(qBound<qint64>(0, ms, std::numeric_limits<int>::max())));
    return flight;
}

void CalDavSession::land(Flight &flight, CalDavAnswer *answer)
{
    QNetworkReply *reply = flight.reply;
    flight.take();
    answer->body = std::move(flight.body);
    answer->status = reply->attribute(QNetworkRequest::HttpStatusCodeAttribute).toInt();
    answer->reason = reply->attribute(QNetworkRequest::HttpReasonPhraseAttribute).toByteArray();
    answer->etag = CalDavXml::usableEtag(reply->rawHeader("ETag"));
    answer->url = flight.url;
    const QByteArray location = reply->rawHeader("Location");
    const QString transportError = reply->errorString();
    delete reply;
    flight.reply = nullptr;

    if (flight.tooLarge)
        answer->error = QCoreApplication::translate("CalDav", "the server's answer is too large (over %1 MiB)")
                            .arg(MostReplyBytes >> 20);
    else if (flight.timedOut)
        answer->error = timedOut();
    else if (!flight.sslErrors.isEmpty())
        //: %1 lists the errors Qt reports, separated by "; ".
        answer->error =
            QCoreApplication::translate("CalDav", "SSL error: %1").arg(flight.sslErrors.join(QStringLiteral("; ")));
    else if (answer->status == 0)
        answer->error = transportError;
    else if (answer->status >= 300 && answer->status < 400 && !location.isEmpty())
        answer->url = flight.url.resolved(QUrl::fromEncoded(location));
}

int CalDavSession::sendWindow(const QList<CalDavRequest> &batch, QList<CalDavAnswer> *answers,
                              const std::function<bool(int)> &next)
{
    *answers = QVector<CalDavAnswer>(batch.size()).toList();
    std::vector<std::unique_ptr<Flight>> flights(size_t(batch.size()));
    QList<int> ended;
    QEventLoop loop;
    int sent = 0;
    int open = 0;
    bool more = true;
    const auto told = [&](int i) { more = more && (!next || next(i)); };
    for (;;) {
        while (more && open < MostInFlight && sent < batch.size()) {
            const int i = sent++;
            Flight *flight = start(batch[i]);
            if (!flight) {
                (*answers)[i].url = batch[i].url;
                (*answers)[i].error = timedOut();
                told(i);
                continue;
            }
            flights[size_t(i)].reset(flight);
            ++open;
            QObject::connect(flight->reply, &QNetworkReply::finished, &loop, [&ended, &loop, i] {
                ended << i;
                loop.quit();
            });
        }
        if (open == 0)
            return sent;
        // User input waits: a sync runs while a window opens or closes and must not be re-entered.
        // A loop entered after the application was told to quit returns at once and delivers
        // nothing: what is in flight ends here as failed, rather than being waited for forever.
        if (ended.isEmpty() && loop.exec(QEventLoop::ExcludeUserInputEvents) < 0) {
            more = false;
            for (const auto &flight : flights)
                if (flight && flight->reply && !flight->reply->isFinished())
                    flight->reply->abort();
        }
        while (!ended.isEmpty()) {
            const int i = ended.takeFirst();
            land(*flights[size_t(i)], &(*answers)[i]);
            flights[size_t(i)].reset();
            --open;
            told(i);
        }
    }
}

int CalDavSession::sendAll(const QList<CalDavRequest> &batch, QList<CalDavAnswer> *answers,
                           const std::function<bool(int)> &next)
{
    lookFurther = false;
    refused = false;
    const int sent = sendWindow(batch, answers, next);
    for (int i = 0; i < sent; ++i) {
        CalDavRequest request = batch[i];
        CalDavAnswer &answer = (*answers)[i];
        for (int hop = 0; answer.error.isEmpty() && answer.url != request.url; ++hop) {
            // The credentials go along, so only as far as the same server.
            if (hop == MostRedirects || !CalDavXml::sameServer(answer.url, request.url)) {
                //: %1 is the address the server sent the request to.
                answer.error = QCoreApplication::translate("CalDav", "the server sent the request elsewhere (%1)")
                                   .arg(answer.url.toDisplayString(QUrl::RemoveUserInfo));
                break;
            }
            request.url = answer.url;
            QList<CalDavAnswer> followed;
            sendWindow({request}, &followed, {});
            answer = followed.value(0);
        }
    }
    return sent;
}

bool CalDavSession::send(const QByteArray &verb, QUrl url, const CalDavHeaders &headers, const QByteArray &body,
                         CalDavAnswer *answer)
{
    QList<CalDavAnswer> answers;
    sendAll({CalDavRequest{verb, url, headers, body}}, &answers);
    *answer = answers.value(0);
    if (!answer->error.isEmpty())
        error = answer->error;
    return answer->error.isEmpty();
}

void CalDavSession::fail(const CalDavAnswer &answer)
{
    lookFurther = answer.status != 401;
    refused = answer.status == 401;
    if (answer.status == 401)
        error = QCoreApplication::translate("CalDav", "the server refused the user name or password");
    else
        //: %1 is the HTTP status code, %2 its reason phrase as the server sent it (e.g. "404 Not Found").
        error = QCoreApplication::translate("CalDav", "the server answered %1 %2")
                    .arg(QString::number(answer.status), QString::fromUtf8(answer.reason));
}

bool CalDavSession::multistatus(const QByteArray &verb, const QUrl &url, int depth, const QByteArray &body,
                                QList<CalDavXml::Response> *responses, QUrl *answered)
{
    const CalDavRequest request = multistatusRequest(verb, url, depth, body);
    CalDavAnswer answer;
    return send(verb, url, request.headers, body, &answer) && readMultistatus(answer, url, responses, answered);
}

CalDavRequest CalDavSession::multistatusRequest(const QByteArray &verb, const QUrl &url, int depth,
                                                const QByteArray &body)
{
    return {
        verb, url, {{"Depth", QByteArray::number(depth)}, {"Content-Type", "application/xml; charset=utf-8"}}, body};
}

bool CalDavSession::readMultistatus(const CalDavAnswer &answer, const QUrl &url, QList<CalDavXml::Response> *responses,
                                    QUrl *answered)
{
    // Any other success is not the multistatus asked for: a web page, most likely.
    if (answer.status != 207 && (answer.status < 200 || answer.status >= 300)) {
        fail(answer);
        return false;
    }
    if (answer.status != 207 || !CalDavXml::parseMultistatus(answer.body, answer.url, responses)) {
        //: %1 is the address asked.
        error = QCoreApplication::translate("CalDav", "the server's answer is not WebDAV (%1)")
                    .arg(url.toDisplayString(QUrl::RemoveUserInfo));
        if (unreadable.isEmpty())
            unreadable = error;
        lookFurther = true;
        return false;
    }
    // Reading a large answer takes time too.
    if (deadline.hasExpired()) {
        error = timedOut();
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
