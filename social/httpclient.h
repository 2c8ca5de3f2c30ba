// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QList>
#include <QMap>
#include <QObject>
#include <QString>

class QNetworkAccessManager;
class QNetworkReply;

// What a page address of the login web view says about the login.
enum class LoginPage
{
    Other,
    TokenCaptured, // the token (possibly empty) goes to `token`
    Refused,       // the user denied the application
    Failure,       // the social network's login-failure page
};
LoginPage recogniseLoginPage(const QString &pageAddress, QString *token);

// The process-wide client of the Graph requests. Its requests look synchronous: each runs a nested
// event loop until the reply has finished or its time limit ran out.
class HttpClient : public QObject
{
    Q_OBJECT

public:
    static HttpClient *instance();

    // Append the reply's body, as text up to its first NUL, to `response`. Always true: a failed
    // request adds its (usually empty) body and the caller sees text that does not parse.
    bool GetRequest(QString &response, const QMap<QString, QString> &args, const QString &url);
    bool PostRequest(QString &response, const QMap<QString, QString> &args, const QString &url);

    // "key=value" pieces in key order joined by "&"; keys and values are percent-encoded except for
    // unreserved characters and ",", so no value can change the meaning of the query.
    bool buildArguments(QByteArray &out, const QMap<QString, QString> &args, QString &text);

    // Inspects a finished reply of the login web view: true when it ends the login, with the token
    // captured (authorised) or refused by the user (not authorised).
    bool finishedNetWorkSlot(QNetworkReply *reply, int &error);

    // Set when a login captured a token; the login dialog reads and clears it.
    static bool authorised;

    // How long a request may take before it is aborted and counts as failed. The login page's load
    // has the same limit.
    static constexpr int DefaultRequestTimeout = 30000;
    void setRequestTimeout(int milliseconds) { requestLimit = milliseconds; }
    int requestTimeout() const { return requestLimit; }

    // Ends every request that is waiting for its reply now: the reply is aborted and adds nothing,
    // so whoever waits gets control back at once and sees a failed request.
    void abortRequests();

private:
    explicit HttpClient(QObject *parent = nullptr);
    void finishRequest(QNetworkReply *reply, QString &response);

    QNetworkAccessManager *manager;
    int requestLimit = DefaultRequestTimeout;
    QList<QNetworkReply *> waiting;
};
