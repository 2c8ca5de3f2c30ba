// SPDX-License-Identifier: GPL-3.0-or-later
#include "sync/syncsettings.h"

#include "model/nativesettings.h"

namespace {

const QString UrlKey = QStringLiteral("syncUrl");
const QString UserKey = QStringLiteral("syncUser");
const QString CalendarKey = QStringLiteral("syncCalendar");

} // namespace

SyncSettings readSyncSettings()
{
    SyncSettings settings;
    QUrl stored;
    {
        const QSettings store = nativeSettings();
        stored = QUrl(store.value(UrlKey).toString());
        settings.user = store.value(UserKey).toString();
        settings.calendar = QUrl(store.value(CalendarKey).toString());
    }
    settings.url = stored.adjusted(QUrl::RemoveUserInfo);
    // An earlier version kept a password typed into the address in this readable file: it goes
    // now, and the user is asked for it as for any password not at hand.
    if (!stored.userInfo().isEmpty()) {
        if (settings.user.isEmpty())
            settings.user = stored.userName();
        writeSyncSettings(settings);
    }
    return settings;
}

QUrl addressFromText(const QString &text, QString *user, QString *password)
{
    const QString trimmed = text.trimmed();
    if (trimmed.isEmpty())
        return QUrl();
    const QUrl url = QUrl::fromUserInput(trimmed);
    if (user)
        *user = url.userName();
    if (password)
        *password = url.password();
    return url.adjusted(QUrl::RemoveUserInfo);
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
