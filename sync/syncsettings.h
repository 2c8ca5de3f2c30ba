// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <QUrl>

// Kept apart from the sync, with Qt Core alone: the start with nothing due asks whether sync is set up.

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

// An address as typed: without a scheme it is taken as a web address, and an empty text is no
// address. User info is taken out into `user` and `password` (either may be null), so that it never
// reaches the settings store.
QUrl addressFromText(const QString &text, QString *user = nullptr, QString *password = nullptr);
