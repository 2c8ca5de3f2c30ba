// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "model/eventstore.h"
#include "model/preferences.h"
#include "sync/remotecalendar.h"
#include "sync/sync.h"
#include "sync/syncstate.h"

#include <QDate>

// One two-way sync of the list with the calendar, item by item, against the state of the last one.
// `events` is changed in place (the caller owns and saves it, then the state); the server is
// changed as the sync goes, with If-Match / If-None-Match, so nothing on it is overwritten
// unseen. Safe to cut off at any point: the next run finds both sides and finishes.
// `options` says whether events missing here are to be restored and whether a mass deletion on
// the server may go ahead.
SyncOutcome syncEvents(EventStore &events, SyncState &state, RemoteCalendar &remote, QDate today,
                       const Preferences &defaults, const SyncOptions &options = SyncOptions());
