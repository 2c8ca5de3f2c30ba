// SPDX-License-Identifier: GPL-3.0-or-later
// Writes the seed corpus of the fuzz targets with the program's own writers.
#include "model/eventstore.h"
#include "model/preferences.h"
#include "sync/syncresource.h"
#include "sync/syncstate.h"

#include <QBuffer>
#include <QCoreApplication>
#include <QDir>
#include <QFile>

#include <utility>

namespace {

void put(const QString &dir, const QString &name, const QByteArray &bytes)
{
    QDir().mkpath(dir);
    QFile file(dir + QLatin1Char('/') + name);
    if (file.open(QIODevice::WriteOnly))
        file.write(bytes);
}

QByteArray eventsBytes(const EventStore &events)
{
    QByteArray bytes;
    QBuffer out(&bytes);
    out.open(QIODevice::WriteOnly);
    saveEvents(events, out);
    return bytes;
}

} // namespace

int main(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    const QString root = app.arguments().value(1, QStringLiteral("corpus"));

    // The 78-byte example: "Bin day", weekly on Tuesday.
    Event binDay;
    binDay.name = QStringLiteral("Bin day");
    binDay.schedule = Weekly;
    binDay.weekdays[1] = true;
    put(root + "/events", "binday.evt", eventsBytes({&binDay}));

    Event counted;
    counted.name = QStringLiteral("Choir");
    counted.counted = true;
    counted.count = 4;
    counted.countDate = QDate(2026, 12, 1);
    counted.schedule = Monthly;
    counted.ordinal = 2;
    counted.weekdays[3] = true;
    counted.notify = true;
    counted.notifyDaysBefore = 3;
    counted.lastNotified = QDate(2026, 11, 30);
    counted.snoozeDays = 2;
    Event yearly;
    yearly.name = QStringLiteral("Zoë's Birthday");
    yearly.schedule = Yearly;
    yearly.useDayNumber = true;
    yearly.ordinal = 31;
    yearly.months[3] = true;
    Event once;
    once.name = QString(); // a null name
    once.date = QDate(2027, 2, 14);
    put(root + "/events", "three.evt", eventsBytes({&counted, &yearly, &once}));
    put(root + "/events", "empty.evt", eventsBytes({}));

    for (const auto &[name, popup, separate] :
         {std::tuple{"defaults.ini", true, true}, std::tuple{"tray.ini", false, false}}) {
        Preferences preferences;
        preferences.popupNotifications = popup;
        preferences.separateNotifications = separate;
        preferences.facebookNotifyDaysBefore = 14;
        QByteArray bytes;
        QBuffer out(&bytes);
        out.open(QIODevice::WriteOnly);
        writePreferences(preferences, out);
        put(root + "/settings", name, bytes);
    }

    put(root + "/graph", "friends.json",
        "{\"data\": [{\"name\": \"Zo\xc3\xab\", \"birthday\": \"03/14/1990\"}, {\"name\": \"Bo\", \"birthday\": "
        "\"01/20\"}, {\"name\": \"None\"}]}");
    put(root + "/graph", "events.json",
        "// events\n{\"data\": [{\"name\": \"Launch\", \"location\": \"Oslo\", \"start_time\": "
        "\"2027-02-04T19:00:00+0000\"}, {\"name\": \"Call\", \"start_time\": \"2027-03-01T08:30:00-0700\"}]}");
    put(root + "/graph", "error.json", "{\"error\": {\"message\": \"bad token\", \"code\": 190}}");

    put(root + "/loginpage", "token",
        "http://www.facebook.com/connect/login_success.html#access_token=abc&expires_in=5");
    put(root + "/loginpage", "denied",
        "http://www.facebook.com/connect/login_success.html?error_reason=user_denied&error=access_denied");
    put(root + "/loginpage", "failure", "https://www.facebook.com/connect/login_failure.html");

    // A sync's own resources, and its state file for two of them.
    SyncState state;
    state.calendar = QStringLiteral("http://127.0.0.1:5232/ann/oriventa/");
    state.collectionTag = "\"ctag-7\"";
    for (const auto &[uid, event] : {std::pair{"choir", &counted}, std::pair{"zoe", &yearly}}) {
        const QString href = state.calendar + QLatin1String(uid) + QStringLiteral(".ics");
        state.items.insert(QLatin1String(uid), SyncedItem{href, "\"1\"", *event});
        put(root + "/syncresource", QLatin1String(uid) + QStringLiteral(".ics"),
            syncResource(*event, QLatin1String(uid)));
    }
    QDir().mkpath(root + "/syncstate");
    writeSyncState(state, root + "/syncstate/two.json");

    put(root + "/importtexts", "birthday", "03/14/1990");
    put(root + "/importtexts", "noyear", "12/31");
    put(root + "/importtexts", "start", "2027-02-04T19:00:00");
    put(root + "/importtexts", "offset", "2027-03-01T08:30:00-0700");
    return 0;
}
