// SPDX-License-Identifier: GPL-3.0-or-later
#include "tests/support/testhttpserver.h"

#include <QHostAddress>
#include <QTcpSocket>

TestHttpServer::Reply TestHttpServer::Reply::answer(int status, const QByteArray &contentType, const QByteArray &body)
{
    return Reply{status, contentType, body, {}, false};
}

TestHttpServer::Reply TestHttpServer::Reply::redirect(const QByteArray &location)
{
    return Reply{302, Reply().contentType, {}, location, false};
}

TestHttpServer::Reply TestHttpServer::Reply::silence()
{
    Reply reply;
    reply.never = true;
    return reply;
}

TestHttpServer::TestHttpServer(Handler h) : handler(std::move(h))
{
    server.listen(QHostAddress::LocalHost, 0);
    connect(&server, &QTcpServer::newConnection, this, [this] {
        while (QTcpSocket *socket = server.nextPendingConnection()) {
            socket->setParent(this);
            connect(socket, &QTcpSocket::readyRead, this, [this, socket] { readFrom(socket); });
        }
    });
}

int TestHttpServer::requestsTo(const QByteArray &prefix) const
{
    int count = 0;
    for (const Request &request : requests)
        count += request.target.startsWith(prefix) ? 1 : 0;
    return count;
}

QByteArray TestHttpServer::refusingBase()
{
    QTcpServer probe;
    probe.listen(QHostAddress::LocalHost, 0);
    const quint16 port = probe.serverPort();
    probe.close();
    return "http://127.0.0.1:" + QByteArray::number(port);
}

void TestHttpServer::readFrom(QTcpSocket *socket)
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

    const Reply reply = handler ? handler(request) : Reply::answer(404, "text/plain", "not found");
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
