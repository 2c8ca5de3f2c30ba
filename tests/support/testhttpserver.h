// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QByteArray>
#include <QList>
#include <QMap>
#include <QObject>
#include <QTcpServer>

#include <functional>

class QTcpSocket;

// A small HTTP/1.1 server on 127.0.0.1 that plays the network's far end in the tests. One request
// per connection; the handler decides each answer, and a reply marked `never` is never sent.
class TestHttpServer : public QObject
{
public:
    struct Request
    {
        QByteArray method;
        QByteArray target;                    // path and query exactly as sent
        QMap<QByteArray, QByteArray> headers; // names in lower case
        QByteArray body;
    };
    struct Reply
    {
        int status = 200;
        QByteArray contentType = "text/html; charset=utf-8";
        QByteArray body;
        QByteArray location; // for redirects
        bool never = false;

        static Reply answer(int status, const QByteArray &contentType, const QByteArray &body);
        static Reply redirect(const QByteArray &location);
        static Reply silence();
    };
    using Handler = std::function<Reply(const Request &)>;

    explicit TestHttpServer(Handler h = {});

    void setHandler(Handler h) { handler = std::move(h); }
    QByteArray base() const { return "http://127.0.0.1:" + QByteArray::number(server.serverPort()); }
    int requestsTo(const QByteArray &prefix) const;

    QList<Request> requests;

    // An address on 127.0.0.1 where nothing listens, so connections are refused.
    static QByteArray refusingBase();

private:
    void readFrom(QTcpSocket *socket);

    QTcpServer server;
    Handler handler;
    QMap<QTcpSocket *, QByteArray> pending;
};
