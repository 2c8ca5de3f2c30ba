// SPDX-License-Identifier: GPL-3.0-or-later
#include "cli/syncing.h"

#include "app/instancelock.h"
#include "model/eventstore.h"
#include "sync/backgroundsync.h"
#include "sync/passwordstore.h"

#include <QTextStream>

Outcome syncList(const Request &request, QString &out, QString &err)
{
    InstanceLock lock;
    if (lock.isHeldElsewhere()) {
        err += QStringLiteral("Oriventa is running; close it and try again.\n");
        return Outcome::Running;
    }
    SyncSettings settings = readSyncSettings();
    const QUrl url = request.urlGiven ? QUrl::fromUserInput(request.url.trimmed()) : settings.url;
    const QString user = request.userGiven ? request.user : settings.user;
    if (url != settings.url || user != settings.user) {
        // A calendar belongs to its account: another account finds or makes its own.
        settings.url = url;
        settings.user = user;
        settings.calendar.clear();
        writeSyncSettings(settings);
    }
    if (!settings.isConfigured()) {
        err += QStringLiteral("oriventa-cli: no server address: use --url\n");
        return Outcome::FileError;
    }
    QString password;
    if (request.passwordFromStdin) {
        QTextStream input(stdin);
        password = input.readLine();
    } else {
        PasswordStore::availablePassword(settings, &password);
    }
    if (password.isEmpty()) {
        err += QStringLiteral("oriventa-cli: no password: use --password-stdin\n");
        return Outcome::FileError;
    }
    SyncOptions options;
    options.allowDeletions = request.allowDeletions;
    const SyncOutcome outcome = syncAndKeepCalendar(settings, password, eventsFilePath(), options);
    if (!outcome.ok) {
        err += QStringLiteral("oriventa-cli: sync failed: %1\n").arg(outcome.error);
        if (outcome.deletionsHeld > 0)
            err += QStringLiteral("oriventa-cli: run the sync again with --allow-deletions to delete them\n");
        return Outcome::FileError;
    }
    out += outcome.summaryText() + QLatin1Char('\n');
    return Outcome::Done;
}
