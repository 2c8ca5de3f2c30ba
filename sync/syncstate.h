// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "model/event.h"

#include <QByteArray>
#include <QHash>
#include <QString>

// What both sides agreed on at the last sync, per resource: the base of the next three-way merge.
struct SyncedItem
{
    QString href;
    QByteArray etag;
    Event event; // the event as both sides held it then
};

struct SyncState
{
    QString calendar;                 // the collection the state belongs to; another one starts afresh
    QByteArray collectionTag;         // ctag or sync-token at the last sync
    QHash<QString, SyncedItem> items; // by UID
};

// Reads the state file; a missing, damaged or inconsistent file (an href or UID twice, a field of
// the wrong type) gives an empty state (the next sync then compares contents and loses nothing).
SyncState readSyncState(const QString &path);
// The same from the file's bytes.
SyncState parseSyncState(const QByteArray &bytes);
// Writes it atomically; true when written.
bool writeSyncState(const SyncState &state, const QString &path);
