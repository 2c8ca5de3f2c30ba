// SPDX-License-Identifier: GPL-3.0-or-later
#include "social/httpclient.h"

#include "social/facebookauth.h"
#include "social/logging.h"

#include <QEventLoop>
#include <QNetworkAccessManager>
#include <QNetworkReply>
#include <QNetworkRequest>
#include <QRegularExpression>
#include <QTimer>
#include <QUrl>

bool HttpClient::authorised = false;

namespace {

// Bytes read as Latin-1 text, stopping at the first NUL.
QString textUpToNul(const QByteArray &bytes)
{
    const int nul = bytes.indexOf('\0');
    return QString::fromLatin1(nul < 0 ? bytes : bytes.left(nul));
}

void trace(const QString &line)
{
    qCDebug(lcSocial).noquote() << withoutTokens(line);
}

} // namespace

HttpClient::HttpClient(QObject *parent) : QObject(parent), manager(new QNetworkAccessManager(this))
{
    // Redirects are not followed: the Graph API answers its requests directly.
    manager->setRedirectPolicy(QNetworkRequest::ManualRedirectPolicy);
}

HttpClient *HttpClient::instance()
{
    static HttpClient *client = new HttpClient;
    return client;
}

bool HttpClient::buildArguments(QByteArray &out, const QMap<QString, QString> &args, QString &text)
{
    text.clear();
    trace(QStringLiteral("Args to be used"));
    for (auto it = args.constBegin(); it != args.constEnd(); ++it) {
        // Encoded so that "&", "=", "#", "+" or a space in a value cannot change the query's meaning;
        // the comma stays readable in field lists such as "name,birthday".
        const QByteArray pair = QUrl::toPercentEncoding(it.key(), ",") + '=' + QUrl::toPercentEncoding(it.value(), ",");
        // Traced encoded too: a raw "&" in a token would end the part that is left out.
        trace(QString::fromLatin1(pair));
        out += pair;
        if (std::next(it) != args.constEnd())
            out += '&';
    }
    trace(QStringLiteral("Post Request ARGS: ") + QString::fromLatin1(out));
    return true;
}

bool HttpClient::GetRequest(QString &response, const QMap<QString, QString> &args, const QString &url)
{
    QNetworkRequest request;
    request.setRawHeader("Accept-Charset", "win1251,ISO-8859-1,utf-8;q=0.7,*;q=0.7");
    request.setRawHeader("charset", "utf-8");
    trace(QStringLiteral("HttpClient::GetRequest: ") + url);

    QByteArray arguments;
    QString unused;
    buildArguments(arguments, args, unused);
    const QString query = textUpToNul(arguments);
    if (query.size() >= 3) {
        const QString address = url + query;
        request.setUrl(QUrl(address, QUrl::TolerantMode));
        trace(QStringLiteral("API url to invoke: ") + address);
    } else {
        request.setUrl(QUrl(url, QUrl::TolerantMode));
        request.setRawHeader("Accept-Charset", "ISO-8859-1,utf-8;q=0.7,*;q=0.7");
        request.setRawHeader("Keep-Alive", "115");
        request.setRawHeader("Connection", "keep-alive");
        trace(QStringLiteral("API url to invoke: ") + url);
        QEventLoop pause;
        QTimer::singleShot(3000, &pause, &QEventLoop::quit);
        pause.exec();
    }
    finishRequest(manager->get(request), response);
    return true;
}

bool HttpClient::PostRequest(QString &response, const QMap<QString, QString> &args, const QString &url)
{
    QNetworkRequest request(QUrl(url, QUrl::TolerantMode));
    QByteArray body;
    QString unused;
    buildArguments(body, args, unused);
    finishRequest(manager->post(request, body), response);
    return true;
}

// Waits for the reply, aborting it when the time limit runs out, appends its body and releases it.
void HttpClient::finishRequest(QNetworkReply *reply, QString &response)
{
    QEventLoop loop;
    connect(reply, &QNetworkReply::finished, &loop, &QEventLoop::quit);
    QTimer limit;
    limit.setSingleShot(true);
    connect(&limit, &QTimer::timeout, reply, &QNetworkReply::abort);
    limit.start(requestLimit);
    if (!reply->isFinished()) {
        waiting << reply;
        loop.exec();
        waiting.removeOne(reply);
    }
    limit.stop();

    // An aborted reply is closed: it has nothing to read.
    if (reply->isOpen())
        response += textUpToNul(reply->readAll());
    const QString rule(52, QLatin1Char('#'));
    trace(rule);
    trace(QStringLiteral("response data from FB: ") + response);
    trace(rule);
    delete reply;
}

void HttpClient::abortRequests()
{
    // Aborting finishes a reply, which ends its wait and takes it off the list.
    const QList<QNetworkReply *> replies = waiting;
    for (QNetworkReply *reply : replies)
        reply->abort();
}

LoginPage recogniseLoginPage(const QString &pageAddress, QString *token)
{
    // Without the "=" no token follows: that is not a finished login.
    if (pageAddress.contains(QLatin1String("login_success.html#access_token")) &&
        pageAddress.contains(QLatin1String("#access_token="))) {
        const QString afterKey = pageAddress.section(QStringLiteral("#access_token="), 1);
        if (token)
            *token = afterKey.section(QLatin1Char('&'), 0, 0);
        return LoginPage::TokenCaptured;
    }
    if (pageAddress.contains(QLatin1String("login_success.html?"))) {
        const QString query = pageAddress.section(QLatin1Char('?'), 1, 1);
        return query.split(QLatin1Char('&')).contains(QLatin1String("error_reason=user_denied")) ? LoginPage::Refused
                                                                                                 : LoginPage::Other;
    }
    if (pageAddress.contains(QLatin1String("login_failure.html"))) {
        static const QRegularExpression failurePage(QStringLiteral("login_failure.html$"),
                                                    QRegularExpression::InvertedGreedinessOption);
        const QRegularExpressionMatch match = failurePage.match(pageAddress);
        if (match.hasMatch() && match.capturedStart() > 0)
            return LoginPage::Failure;
    }
    return LoginPage::Other;
}

bool HttpClient::finishedNetWorkSlot(QNetworkReply *reply, int &error)
{
    error = reply->error();
    if (error != QNetworkReply::NoError)
        return false;

    const QString contentType = reply->header(QNetworkRequest::ContentTypeHeader).toString();
    const QString pageAddress = reply->url().toString();
    if (!contentType.contains(QLatin1String("html"))) {
        if (contentType.contains(QLatin1String("xml"))) {
            trace(QStringLiteral("----------------------xml response ------------------------"));
            trace(QStringLiteral("Item Url:") + pageAddress);
            trace(QStringLiteral("Content Type:") + contentType);
            trace(QStringLiteral("File Last Modified:") +
                  reply->header(QNetworkRequest::LastModifiedHeader).toString());
        }
        return false;
    }

    trace(QString(51, QLatin1Char('-')));
    trace(QStringLiteral("Item Url:") + pageAddress);
    trace(QStringLiteral("Content Type:") + contentType);

    QString token;
    switch (recogniseLoginPage(pageAddress, &token)) {
    case LoginPage::TokenCaptured:
        FacebookAuth::instance()->setAccessToken(token);
        trace(QStringLiteral("finishedNetWorkSlot:AuthorizAndAuthenticatUser use are succsesfuly authorize"));
        authorised = true;
        return true;
    case LoginPage::Refused:
        authorised = false;
        return true;
    case LoginPage::Failure:
        trace(QStringLiteral("finishedNetWorkSlot: login_failure!!"));
        return false;
    case LoginPage::Other:
        break;
    }
    return false;
}
