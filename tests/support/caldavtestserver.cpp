// SPDX-License-Identifier: GPL-3.0-or-later
#include "tests/support/caldavtestserver.h"

#include "tests/support/programrun.h"

#include <QDeadlineTimer>
#include <QFile>
#include <QHostAddress>
#include <QTcpServer>
#include <QTcpSocket>
#include <QThread>

#include <utility>

CalDavTestServer::CalDavTestServer(QString serverName) : name(std::move(serverName))
{
    QTcpServer probe;
    probe.listen(QHostAddress::LocalHost, 0);
    port = probe.serverPort();
}

CalDavTestServer::~CalDavTestServer()
{
    endProgram(process, SIGTERM, 5000);
}

QUrl CalDavTestServer::base() const
{
    QUrl url;
    url.setScheme(tls ? QStringLiteral("https") : QStringLiteral("http"));
    url.setHost(QStringLiteral("127.0.0.1"));
    url.setPort(port);
    url.setPath(QStringLiteral("/"));
    return url;
}

void CalDavTestServer::start(const QString &program, const QStringList &arguments)
{
    // Its output goes to a file: a pipe nobody reads between two event loops could fill and stop it.
    if (!folder.isValid()) {
        why = QStringLiteral("cannot make a folder for %1 in %2").arg(name, folder.path());
        return;
    }
    const QString log = folder.filePath(QStringLiteral("server.log"));
    process.setProcessChannelMode(QProcess::MergedChannels);
    process.setStandardOutputFile(log);
    process.start(program, arguments);
    if (!process.waitForStarted(10000)) {
        why = QStringLiteral("%1 did not start: %2").arg(name, process.errorString());
        return;
    }
    const QDeadlineTimer deadline(20000);
    while (!deadline.hasExpired() && process.state() == QProcess::Running) {
        QTcpSocket probe;
        probe.connectToHost(QHostAddress::LocalHost, port);
        if (probe.waitForConnected(500))
            return;
        QThread::msleep(50);
    }
    endProgram(process, SIGKILL, 5000);
    QFile output(log);
    output.open(QIODevice::ReadOnly);
    why = QStringLiteral("%1 did not answer on port %2: %3")
              .arg(name)
              .arg(port)
              .arg(QString::fromLocal8Bit(output.readAll().right(2000)));
}
