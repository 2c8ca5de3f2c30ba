// SPDX-License-Identifier: GPL-3.0-or-later
#include "tests/support/radicale.h"

#include "tests/support/programrun.h"

#include <QFile>

namespace {

// Debian's interpreter: the one Radicale is installed for, whatever python3 comes first on PATH.
const QString Python = QStringLiteral("/usr/bin/python3");

} // namespace

bool Radicale::available()
{
    const QStringList version{QStringLiteral("-m"), QStringLiteral("radicale"), QStringLiteral("--version")};
    return runProgram(Python, version).status == 0;
}

Radicale::Radicale(const QString &user, const QString &password, Transport kind)
    : CalDavTestServer(QStringLiteral("Radicale"))
{
    tls = kind == SelfSignedTls;
    const QString users = folder.filePath(QStringLiteral("users"));
    const QString config = folder.filePath(QStringLiteral("config"));
    QFile usersFile(users);
    QFile configFile(config);
    // An empty configuration of our own, so the machine's /etc/radicale/config does not apply.
    if (!folder.isValid() || !usersFile.open(QIODevice::WriteOnly) ||
        usersFile.write((user + ':' + password + '\n').toUtf8()) < 0 || !configFile.open(QIODevice::WriteOnly)) {
        why = QStringLiteral("cannot write Radicale's files in %1").arg(folder.path());
        return;
    }
    usersFile.close();
    if (tls && !makeCertificate())
        return;

    QStringList arguments{QStringLiteral("-m"), QStringLiteral("radicale"), QStringLiteral("--config"), config,
                          QStringLiteral("--server-hosts"), QStringLiteral("127.0.0.1:%1").arg(port),
                          QStringLiteral("--storage-filesystem-folder"), storageFolder(), QStringLiteral("--auth-type"),
                          QStringLiteral("htpasswd"), QStringLiteral("--auth-htpasswd-filename"), users,
                          QStringLiteral("--auth-htpasswd-encryption"), QStringLiteral("plain"),
                          // A wrong password answers at once, not after the usual second.
                          QStringLiteral("--auth-delay"), QStringLiteral("0"), QStringLiteral("--rights-type"),
                          QStringLiteral("owner_only"), QStringLiteral("--logging-level"), QStringLiteral("warning")};
    if (tls)
        arguments << QStringLiteral("--server-ssl") << QStringLiteral("--server-certificate")
                  << folder.filePath(QStringLiteral("cert.pem")) << QStringLiteral("--server-key")
                  << folder.filePath(QStringLiteral("key.pem"));
    start(Python, arguments);
}

QString Radicale::itemFile(const QUrl &item) const
{
    return storageFolder() + QStringLiteral("/collection-root") + item.path();
}

bool Radicale::makeCertificate()
{
    const ProgramRun openssl = runProgram(
        QStringLiteral("openssl"),
        {QStringLiteral("req"), QStringLiteral("-x509"), QStringLiteral("-newkey"), QStringLiteral("rsa:2048"),
         QStringLiteral("-nodes"), QStringLiteral("-days"), QStringLiteral("1"), QStringLiteral("-subj"),
         QStringLiteral("/CN=127.0.0.1"), QStringLiteral("-keyout"), folder.filePath(QStringLiteral("key.pem")),
         QStringLiteral("-out"), folder.filePath(QStringLiteral("cert.pem"))});
    if (openssl.status == 0)
        return true;
    why = QStringLiteral("openssl could not make a certificate: %1").arg(QString::fromLocal8Bit(openssl.err));
    return false;
}
