// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "model/eventstore.h"
#include "sync/syncstate.h"

#include <QByteArray>
#include <QHash>
#include <QString>

#include <functional>

// The two sides of one item as a sync sees them.

struct LocalItem
{
    int index = -1; // in the list; -1 for an event this run adds
    Event event;    // as this run leaves it
    bool syncable = true;
    bool removed = false;
};

struct RemoteItemState
{
    QString href;
    QByteArray etag;
    Event event;
    bool carriesAll = true; // a resource of ours, with every field; else only what calendars say
    bool foreign = false;   // another client's item Oriventa cannot state: left alone
    bool unknown = false;   // listed but not fetched: left for the next run
};

// Whether the server's version says what `event` says: every field for a resource of ours, the
// name and days for another client's.
bool sameContent(const RemoteItemState &remote, const Event &event);
// The server's version as this list keeps it: from another client, only what it states, the rest
// from `local`.
Event adopted(const RemoteItemState &remote, const Event *local);

// The events of the list by UID: the state's UID for an event's name (an equal one first), else
// the one its name gives, as the export gives it. Events without a resource get a UID only from
// the state, so that a synced event the list can no longer state is left alone.
QHash<QString, LocalItem> claimLocalEvents(const EventStore &events, const QHash<QString, SyncedItem> &synced);
// Two versions of one event that differ only in how its reminders were answered (last shown,
// snoozed days, reminders off, the count): `merged` is the quieter of the answers, with `a`'s other
// fields. False when anything else differs.
bool mergeAnswers(const Event &a, const Event &b, Event *merged);

enum class NameNote
{
    None,
    ChangedElsewhere, // the server's version of an event changed on both sides
};

// `name` when `taken` says it is free, else "<name> (2)", "<name> (3)", …; with a note,
// "<name> (changed elsewhere)", "<name> (changed elsewhere 2)", …, in the user's language: the
// list's names stay unique, whatever the words.
QString freeName(const QString &name, NameNote note, const std::function<bool(const QString &)> &taken);

// The UID of a new event of that name, taken by neither side.
QString freeUid(const QString &name, const QHash<QString, LocalItem> &locals, const QHash<QString, SyncedItem> &synced);
