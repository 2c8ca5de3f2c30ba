// SPDX-License-Identifier: GPL-3.0-or-later
#include "sync/backgroundsync.h"

#include "sync/logging.h"
#include "sync/passwordstore.h"

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
    const QUrl calendar = settings.calendar;
    const SyncOutcome done = syncEventsFile(settings, known, eventsPath, options);
    // The calendar found or made is kept for the next sync; the account is the stored one.
    if (settings.calendar != calendar)
        writeSyncSettings(settings);
    if (outcome)
        *outcome = done;
    // Nobody asked for this sync, so nobody sees its outcome: the log is the one place that tells.
    if (done.ok)
        qCDebug(lcSync).noquote() << QStringLiteral("synced with %1: %2").arg(server, done.summaryText());
    else
        qCWarning(lcSync).noquote() << QStringLiteral("sync with %1 failed: %2").arg(server, done.error);
    return done.ok;
}
