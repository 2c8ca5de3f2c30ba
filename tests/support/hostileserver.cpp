// SPDX-License-Identifier: GPL-3.0-or-later
#include "tests/support/hostileserver.h"

#include "tests/support/programrun.h"

#include <QDeadlineTimer>
#include <QFile>
#include <QJsonDocument>

HostileServer::HostileServer()
    : process(startProgram(QStringLiteral("/usr/bin/python3"),
                           {QStringLiteral(ORIVENTA_HOSTILE_SERVER), folder.filePath(QStringLiteral("log"))}))
{
    // The server prints its port once it listens.
    const QDeadlineTimer deadline(10000);
    while (!process->canReadLine() && process->waitForReadyRead(int(deadline.remainingTime())))
        ;
    port = process->readLine().trimmed().toUShort();
}

HostileServer::~HostileServer()
{
    endProgram(*process, SIGTERM, 5000);
}

QUrl HostileServer::calendar(const QString &mode) const
{
    return QUrl(QStringLiteral("http://127.0.0.1:%1/%2/cal/").arg(port).arg(mode));
}

QList<QJsonObject> HostileServer::requests() const
{
    QFile log(folder.filePath(QStringLiteral("log")));
    QList<QJsonObject> requests;
    if (log.open(QIODevice::ReadOnly)) {
        for (const QByteArray &line : log.readAll().split('\n'))
            if (!line.isEmpty())
                requests << QJsonDocument::fromJson(line).object();
    }
    return requests;
}
