// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QProcess>
#include <QString>
#include <QTemporaryDir>
#include <QUrl>

// A real CalDAV server program for the tests, on 127.0.0.1 on a free port with a throw-away folder,
// stopped when the object goes. Check `running()` (and `problem()` for why not) before use.
class CalDavTestServer
{
public:
    virtual ~CalDavTestServer();

    bool running() const { return process.state() == QProcess::Running && why.isEmpty(); }
    QString problem() const { return why; }
    QUrl base() const;
    // The file in which the server keeps the item at `item` (its path is what counts), for tests
    // that look at the bytes stored.
    virtual QString itemFile(const QUrl &item) const = 0;

    CalDavTestServer(const CalDavTestServer &) = delete;
    CalDavTestServer &operator=(const CalDavTestServer &) = delete;

protected:
    explicit CalDavTestServer(QString serverName);
    // Starts the program and waits until it takes connections on `port`; on failure `why` says so.
    void start(const QString &program, const QStringList &arguments);

    QTemporaryDir folder;
    QProcess process;
    QString name;
    QString why;
    quint16 port = 0;
    bool tls = false;
};
