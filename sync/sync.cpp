// SPDX-License-Identifier: GPL-3.0-or-later
#include "sync/sync.h"

#include "model/nativesettings.h"

namespace {

const QString UrlKey = QStringLiteral("syncUrl");
const QString UserKey = QStringLiteral("syncUser");
const QString CalendarKey = QStringLiteral("syncCalendar");

QString countLine(int count, const char *one, const char *many)
{
    return QString::fromLatin1(count == 1 ? one : many).arg(count);
}

} // namespace

SyncSettings readSyncSettings()
{
    const QSettings store = nativeSettings();
    SyncSettings settings;
    settings.url = QUrl(store.value(UrlKey).toString());
    settings.user = store.value(UserKey).toString();
    settings.calendar = QUrl(store.value(CalendarKey).toString());
    return settings;
}

void writeSyncSettings(const SyncSettings &settings)
{
    QSettings store = nativeSettings();
    // Empty values are removed, so that an unset address reads back as no address at all.
    const auto put = [&store](const QString &key, const QString &value) {
        if (value.isEmpty())
            store.remove(key);
        else
            store.setValue(key, value);
    };
    put(UrlKey, settings.url.toString());
    put(UserKey, settings.user);
    put(CalendarKey, settings.calendar.toString());
}

QString SyncOutcome::summaryText() const
{
    if (!ok)
        return error;
    QStringList lines;
    if (uploaded)
        lines << countLine(uploaded, "1 event uploaded.", "%1 events uploaded.");
    if (downloaded)
        lines << countLine(downloaded, "1 event downloaded.", "%1 events downloaded.");
    if (deletedHere)
        lines << countLine(deletedHere, "1 event deleted here.", "%1 events deleted here.");
    if (deletedThere)
        lines << countLine(deletedThere, "1 event deleted on the server.", "%1 events deleted on the server.");
    for (const QString &name : conflicts)
        lines << QStringLiteral("\"%1\" was changed here and elsewhere: both are kept, the other as \"%1 (changed "
                                "elsewhere)\".")
                     .arg(name);
    if (lines.isEmpty())
        lines << QStringLiteral("Everything was already in sync.");
    return lines.join(QLatin1Char('\n'));
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
