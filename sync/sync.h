// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QList>
#include <QString>
#include <QStringList>
#include <QUrl>

// Where and as whom the list is synced. Kept in the native settings store ("syncUrl", "syncUser",
// "syncCalendar"); the password never is.
struct SyncSettings
{
    QUrl url; // a calendar collection, or a server to discover calendars on
    QString user;
    QUrl calendar; // the collection chosen or made; empty until the first sync finds or makes one

    bool isConfigured() const { return url.isValid() && !url.isEmpty(); }
};

SyncSettings readSyncSettings();
void writeSyncSettings(const SyncSettings &settings);

// What one sync did, for the user where the user asked for it.
struct SyncOutcome
{
    bool ok = false;
    QString error; // why it failed: nothing here was changed
    int uploaded = 0;
    int downloaded = 0;
    int deletedHere = 0;
    int deletedThere = 0;
    QStringList conflicts; // names kept twice: ours, and the server's as "<name> (changed elsewhere)"
    bool listChanged = false;
    int requests = 0; // sent to the server

    QString summaryText() const;
};

// The default limit of one sync, in milliseconds.
constexpr int SyncTimeLimitMs = 10000;

// Syncs the events file at `eventsPath` with the server: reads it, merges both sides, and saves the
// file and the sync state beside it atomically. The caller holds the single-instance lock. A server
// that is down, slow or wrong changes nothing here. Needs a QCoreApplication.
SyncOutcome syncEventsFile(SyncSettings &settings, const QString &password, const QString &eventsPath,
                           int timeLimitMs = SyncTimeLimitMs);

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
