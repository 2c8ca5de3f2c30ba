// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/instancelock.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLockFile>
#include <QStandardPaths>

#ifdef Q_OS_UNIX
#include <unistd.h>
#endif

InstanceLock::InstanceLock() : lock(std::make_unique<QLockFile>(pathInRuntimeDirectory(QStringLiteral(".lock"))))
{
    // Only a lock whose owner has died is stale, however old it is.
    lock->setStaleLockTime(0);
    heldElsewhere = !lock->tryLock(0);
}

InstanceLock::~InstanceLock() = default;

void InstanceLock::release()
{
    if (!heldElsewhere)
        lock->unlock();
}

QString InstanceLock::userTag()
{
#ifdef Q_OS_UNIX
    return QString::number(::getuid());
#else
    return qEnvironmentVariable("USERNAME");
#endif
}

QString InstanceLock::runtimeDirectory()
{
    // XDG_RUNTIME_DIR is private to the user; elsewhere the temporary directory is shared, so
    // a directory of our own named after the user keeps two users apart.
    QString dir;
#ifdef Q_OS_UNIX
    // A copy started outside the login session (from cron or ssh) has no XDG_RUNTIME_DIR, yet a
    // window of the same user holds its lock in the session's directory: look there first.
    if (qEnvironmentVariableIsEmpty("XDG_RUNTIME_DIR")) {
        const QFileInfo session(QStringLiteral("/run/user/") + userTag());
        if (session.isDir() && session.ownerId() == ::getuid())
            dir = session.filePath();
    }
#endif
    if (dir.isEmpty())
        dir = QStandardPaths::writableLocation(QStandardPaths::RuntimeLocation);
    if (dir.isEmpty())
        dir = QDir::tempPath() + QLatin1String("/oriventa-") + userTag();
    QDir().mkpath(dir);
    QFile::setPermissions(dir, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    return dir;
}

QString InstanceLock::pathInRuntimeDirectory(const QString &suffix)
{
    return runtimeDirectory() + QLatin1Char('/') + QCoreApplication::organizationName() + QLatin1Char('-') +
           QCoreApplication::applicationName() + suffix;
}
