// SPDX-License-Identifier: GPL-3.0-or-later
#include "sync/sync.h"

// Placeholder until the sync is wired together.
SyncSettings readSyncSettings()
{
    return {};
}

void writeSyncSettings(const SyncSettings &) {}

QString SyncOutcome::summaryText() const
{
    return {};
}

SyncOutcome syncEventsFile(SyncSettings &, const QString &, const QString &, int)
{
    SyncOutcome outcome;
    outcome.error = QStringLiteral("Sync is not available yet.");
    return outcome;
}

QString syncStatePath(const QString &eventsPath)
{
    return eventsPath + QStringLiteral(".sync");
}
