// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QJsonObject>
#include <QList>
#include <QProcess>
#include <QTemporaryDir>
#include <QUrl>

#include <memory>

// A CalDAV server that misbehaves on purpose (hostileserver.py, Python's http.server) on
// 127.0.0.1, stopped when the object goes. running() is false when it did not start in time.
class HostileServer
{
public:
    HostileServer();
    ~HostileServer();

    bool running() const { return port != 0; }
    // The calendar collection that answers as `mode` says; see hostileserver.py.
    QUrl calendar(const QString &mode) const;
    // The requests so far: method, path, headers (names in lower case) and body.
    QList<QJsonObject> requests() const;

    HostileServer(const HostileServer &) = delete;
    HostileServer &operator=(const HostileServer &) = delete;

private:
    QTemporaryDir folder;
    std::unique_ptr<QProcess> process;
    quint16 port = 0;
};
