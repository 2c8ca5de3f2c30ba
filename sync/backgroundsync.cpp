// SPDX-License-Identifier: GPL-3.0-or-later
#include "sync/backgroundsync.h"

#include "sync/logging.h"
#include "sync/passwordstore.h"

SyncOutcome syncAndKeepCalendar(SyncSettings &settings, const QString &password, const QString &eventsPath,
                                const SyncOptions &options)
{
    const QUrl calendar = settings.calendar;
    SyncOutcome outcome = syncEventsFile(settings, password, eventsPath, options);
    if (settings.calendar != calendar)
        writeSyncSettings(settings);
    return outcome;
}

bool syncUnasked(const QString &eventsPath, const QString &password, SyncOutcome *outcome, const SyncOptions &options)
{
    SyncSettings settings = readSyncSettings();
    if (!settings.isConfigured())
        return false;
    const QString server = settings.url.toDisplayString(QUrl::RemoveUserInfo);
    QString known = password;
    if (known.isEmpty() && !PasswordStore::availablePassword(settings, &known)) {
        qCDebug(lcSync).noquote() << QStringLiteral("no sync with %1: no password at hand").arg(server);
        return false;
    }
    const SyncOutcome done = syncAndKeepCalendar(settings, known, eventsPath, options);
    if (outcome)
        *outcome = done;
    // Nobody asked for this sync, so nobody sees its outcome: the log is the one place that tells.
    if (done.ok)
        qCDebug(lcSync).noquote() << QStringLiteral("synced with %1: %2").arg(server, done.summaryText());
    else
        qCWarning(lcSync).noquote() << QStringLiteral("sync with %1 failed: %2").arg(server, done.error);
    return done.ok;
}
