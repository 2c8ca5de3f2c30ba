// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

class QIODevice;

// The user's five preferences, kept in the settings file.
struct Preferences
{
    bool separateNotifications = false;
    bool popupNotifications = false; // false: tray notifications
    bool facebookNotify = false;
    bool facebookShowOnce = true;
    qint32 facebookNotifyDaysBefore = 7;
};

// settings.ini in the per-user data directory (a binary record despite its name).
QString settingsFilePath();

// Fills the record from the file; a file that cannot be opened leaves it untouched.
void readPreferences(Preferences &record, const QString &path);
void readPreferences(Preferences &record, QIODevice &device);

// Writes the whole record, creating the data directory when needed. The file is replaced
// atomically, so a failed write leaves the old one; the result says whether it worked.
bool writePreferences(const Preferences &record, const QString &path);
bool writePreferences(const Preferences &record, QIODevice &device);

// How an auto start puts reminders before the user. Kept in the native settings store as
// "reminderStyle=notification", because the settings file's bytes are fixed; without the key the
// window style is the one `popupNotifications` picks.
enum class ReminderStyle
{
    Window,
    Notification
};
ReminderStyle readReminderStyle();
void writeReminderStyle(ReminderStyle style);
