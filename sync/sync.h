// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "sync/syncsettings.h"

#include <QDeadlineTimer>
#include <QList>
#include <QString>
#include <QStringList>
#include <QUrl>

#include <functional>

// What one sync did, for the user where the user asked for it.
struct SyncOutcome
{
    bool ok = false;
    QString error; // why it failed: nothing here was changed
    // Failed after part of the work was done on the server: the list and the server still agree
    // (every write was guarded), and the next sync goes on from there.
    bool partial = false;
    // Stopped by the progress callback; what was done is kept (see SyncOptions::progress).
    bool cancelled = false;
    // Stopped early, but with items settled: the list and the state handed back hold them and are
    // saved as after a finished sync.
    bool keptSome = false;
    // The server refused the user name or password (401): typing them again may help.
    bool passwordRefused = false;
    int uploaded = 0;
    int downloaded = 0;
    int deletedHere = 0;
    int deletedThere = 0;
    int restored = 0; // taken back from the server: they had not been read here
    // The deletions on the server that the guard held back (nothing was changed); 0 when none.
    int deletionsHeld = 0;
    int heldThere = 0; // of this many resources on the server
    // Names kept twice: ours, and the server's version under the name at the same place in
    // `conflictCopies` ("<name> (changed elsewhere)", numbered when that is taken).
    QStringList conflicts;
    QStringList conflictCopies;
    bool listChanged = false;
    int requests = 0; // sent to the server

    QString summaryText() const;
};

// The default limit of one sync, in milliseconds.
constexpr int SyncTimeLimitMs = 10000;
// A sync that would delete on the server at least this many events, and more than half of what is
// there, is held back until the user allows it: a list that lost its events looks just like that.
constexpr int MassDeletionMinimum = 20;

// How far a sync has come, for the user who waits for it.
struct SyncProgress
{
    enum class Stage
    {
        Reading, // asking the server what it holds
        Uploading,
        Downloading,
        Deleting,
    };
    Stage stage = Stage::Reading;
    int done = 0;
    int total = 0; // 0 while not known

    // "Uploading 120 of 1,000", in the user's language and number format.
    QString text() const;
};

// The limit of each request of an explicit sync, which has no limit as a whole.
constexpr int RequestTimeLimitMs = 30000;

struct SyncOptions
{
    // The whole sync's limit, in milliseconds; 0 for none: a sync the user asked for runs until it
    // is done or cancelled, each request within requestTimeLimitMs.
    int timeLimitMs = SyncTimeLimitMs;
    int requestTimeLimitMs = RequestTimeLimitMs;
    // Told as the sync goes on; returning false cancels it. What is done by then stays done: the
    // list and the state keep every item settled, and the next sync goes on from there.
    std::function<bool(const SyncProgress &)> progress;
    // Events missing here were never read (a list rebuilt from a damaged file, an events file lost
    // beside its sync state): they are taken back from the server, not deleted there.
    bool restoreMissing = false;
    // Lifts the guard against mass deletion on the server.
    bool allowDeletions = false;
    // When the sync gives up, reading what the server sent included; syncEventsFile sets it from
    // timeLimitMs when it starts.
    QDeadlineTimer deadline{QDeadlineTimer::Forever};
};

// Syncs the events file at `eventsPath` with the server: reads it, merges both sides, and saves the
// file and the sync state beside it atomically. The caller holds the single-instance lock. A server
// that is down, slow or wrong changes nothing here, nor does a file that cannot be read.
// `restoreMissing` is decided here, from the file. Needs a QCoreApplication.
SyncOutcome syncEventsFile(SyncSettings &settings, const QString &password, const QString &eventsPath,
                           const SyncOptions &options = SyncOptions());

// The calendars of the account, for the user to choose from; false with `error` when the server
// could not be asked.
struct CalendarChoice
{
    QUrl url;
    QString name;
};
bool findCalendars(const SyncSettings &settings, const QString &password, QList<CalendarChoice> *calendars,
                   QString *error, int timeLimitMs = SyncTimeLimitMs);

// The sync state file beside the events file.
QString syncStatePath(const QString &eventsPath);
