#pragma once

#include <QByteArray>
#include <QHostAddress>
#include <QList>
#include <QMap>
#include <QObject>
#include <QTcpServer>
#include <QTcpSocket>

#include <functional>

// A small HTTP/1.1 server on 127.0.0.1 that plays the social network in the tests. One request per
// connection; the handler decides each answer, and a reply marked `never` is never sent.
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
    };
    using Handler = std::function<Reply(const Request &)>;

    explicit TestHttpServer(Handler h = {}) : handler(std::move(h))
    {
        server.listen(QHostAddress::LocalHost, 0);
        connect(&server, &QTcpServer::newConnection, this, [this] {
            while (QTcpSocket *socket = server.nextPendingConnection()) {
                socket->setParent(this);
                connect(socket, &QTcpSocket::readyRead, this, [this, socket] { readFrom(socket); });
            }
        });
    }

    void setHandler(Handler h) { handler = std::move(h); }
    QByteArray base() const { return "http://127.0.0.1:" + QByteArray::number(server.serverPort()); }
    quint16 port() const { return server.serverPort(); }

    QList<Request> requests;

    // A port on 127.0.0.1 where nothing listens, so connections are refused.
    static quint16 refusingPort()
    {
        QTcpServer probe;
        probe.listen(QHostAddress::LocalHost, 0);
        const quint16 port = probe.serverPort();
        probe.close();
        return port;
    }

private:
    void readFrom(QTcpSocket *socket)
    {
        QByteArray &buffer = pending[socket];
        buffer += socket->readAll();
        const int headerEnd = buffer.indexOf("\r\n\r\n");
        if (headerEnd < 0)
            return;
        Request request;
        const QList<QByteArray> lines = buffer.left(headerEnd).split('\n');
        const QList<QByteArray> first = lines.value(0).trimmed().split(' ');
        request.method = first.value(0);
        request.target = first.value(1);
        for (int i = 1; i < lines.size(); ++i) {
            const int colon = lines[i].indexOf(':');
            if (colon > 0)
                request.headers.insert(lines[i].left(colon).trimmed().toLower(), lines[i].mid(colon + 1).trimmed());
        }
        const int length = request.headers.value("content-length").toInt();
        if (buffer.size() < headerEnd + 4 + length)
            return;
        request.body = buffer.mid(headerEnd + 4, length);
        pending.remove(socket);
        requests << request;

        const Reply reply = handler ? handler(request) : Reply{404, "text/plain", "not found", {}, false};
        if (reply.never)
            return;
        QByteArray out = "HTTP/1.1 " + QByteArray::number(reply.status) + " Status\r\n";
        out += "Content-Type: " + reply.contentType + "\r\n";
        if (!reply.location.isEmpty())
            out += "Location: " + reply.location + "\r\n";
        out += "Content-Length: " + QByteArray::number(reply.body.size()) + "\r\nConnection: close\r\n\r\n";
        out += reply.body;
        socket->write(out);
        socket->disconnectFromHost();
    }

    QTcpServer server;
    Handler handler;
    QMap<QTcpSocket *, QByteArray> pending;
};
