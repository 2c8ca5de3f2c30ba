// SPDX-License-Identifier: GPL-3.0-or-later
#include "model/preferences.h"

#include "model/nativesettings.h"
#include "model/savefile.h"

#include <QDataStream>
#include <QDir>
#include <QFile>
#include <QStandardPaths>

QString settingsFilePath()
{
    QString dir = QStandardPaths::writableLocation(QStandardPaths::AppDataLocation);
    if (!dir.endsWith(QDir::separator()))
        dir += QDir::separator();
    return dir + QLatin1String("settings.ini");
}

void readPreferences(Preferences &record, QIODevice &device)
{
    // The file order differs from the declaration order. A short file gives the stream's
    // past-the-end values (false, 0) for what is missing.
    QDataStream in(&device);
    in.setVersion(QDataStream::Qt_4_2);
    in >> record.separateNotifications >> record.popupNotifications >> record.facebookNotify >>
        record.facebookNotifyDaysBefore >> record.facebookShowOnce;
}

void readPreferences(Preferences &record, const QString &path)
{
    QFile file(path);
    if (file.open(QIODevice::ReadOnly))
        readPreferences(record, file);
}

bool writePreferences(const Preferences &record, QIODevice &device)
{
    QDataStream out(&device);
    out.setVersion(QDataStream::Qt_4_2);
    out << record.separateNotifications << record.popupNotifications << record.facebookNotify
        << record.facebookNotifyDaysBefore << record.facebookShowOnce;
    return out.status() == QDataStream::Ok;
}

bool writePreferences(const Preferences &record, const QString &path)
{
    // A new file is readable by the user alone; the save keeps the mode of one that exists.
    return saveFileAtomically(
        path, [&record](QIODevice &device) { return writePreferences(record, device); }, NewFileAccess::Private);
}

namespace {

const QString reminderStyleKey = QStringLiteral("reminderStyle");
const QString notificationStyle = QStringLiteral("notification");

} // namespace

ReminderStyle readReminderStyle()
{
    // Anything but "notification", an absent key among them, is the window.
    return nativeSettings().value(reminderStyleKey).toString() == notificationStyle ? ReminderStyle::Notification
                                                                                    : ReminderStyle::Window;
}

void writeReminderStyle(ReminderStyle style)
{
    // The window styles are the original program's, which had no such key: they leave none behind.
    if (style == ReminderStyle::Notification)
        nativeSettings().setValue(reminderStyleKey, notificationStyle);
    else
        nativeSettings().remove(reminderStyleKey);
}
