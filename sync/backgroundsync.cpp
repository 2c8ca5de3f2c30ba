// SPDX-License-Identifier: GPL-3.0-or-later
#include "sync/backgroundsync.h"

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
    QString known = password;
    if (known.isEmpty() && !PasswordStore::availablePassword(settings, &known))
        return false;
    const SyncOutcome done = syncAndKeepCalendar(settings, known, eventsPath, options);
    if (outcome)
        *outcome = done;
    return done.ok;
}
