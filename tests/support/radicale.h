// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QProcess>
#include <QString>
#include <QTemporaryDir>
#include <QUrl>

// A real CalDAV server for the tests: Radicale on 127.0.0.1 on a free port, with a throw-away
// storage folder and one user, stopped when the object goes. Check `running()` (and `problem()`
// for why not) before use; `available()` tells whether Radicale is installed at all.
class Radicale
{
public:
    enum Transport
    {
        Plain,
        SelfSignedTls, // a certificate made for the run, trusted by nobody
    };

    Radicale(const QString &user, const QString &password, Transport kind = Plain);
    ~Radicale();

    static bool available();

    bool running() const { return process.state() == QProcess::Running && why.isEmpty(); }
    QString problem() const { return why; }
    QUrl base() const;
    // Where the calendars' items lie: <folder>/collection-root/<user>/<calendar>/.
    QString storageFolder() const { return folder.filePath(QStringLiteral("storage")); }

    Radicale(const Radicale &) = delete;
    Radicale &operator=(const Radicale &) = delete;

private:
    bool makeCertificate();

    QTemporaryDir folder;
    QProcess process;
    Transport transport;
    quint16 port = 0;
    QString why;
};
