// SPDX-License-Identifier: GPL-3.0-or-later
#include "sync/sync.h"

#include "model/clock.h"
#include "model/eventsfile.h"
#include "model/preferences.h"
#include "sync/caldavclient.h"
#include "sync/syncengine.h"
#include "sync/syncstate.h"

#include <QCoreApplication>
#include <QDeadlineTimer>
#include <QDir>
#include <QLocale>

QString SyncOutcome::summaryText() const
{
    if (!ok)
        return error;
    // The English singular comes from the English plural forms, like every language's.
    const auto countLine = [](int count, const char *text) {
        return QCoreApplication::translate("Sync", text, nullptr, count);
    };
    QStringList lines;
    if (uploaded)
        lines << countLine(uploaded, QT_TRANSLATE_N_NOOP("Sync", "%n events uploaded."));
    if (downloaded)
        lines << countLine(downloaded, QT_TRANSLATE_N_NOOP("Sync", "%n events downloaded."));
    if (deletedHere)
        lines << countLine(deletedHere, QT_TRANSLATE_N_NOOP("Sync", "%n events deleted here."));
    if (deletedThere)
        lines << countLine(deletedThere, QT_TRANSLATE_N_NOOP("Sync", "%n events deleted on the server."));
    if (restored)
        lines << countLine(restored, QT_TRANSLATE_N_NOOP("Sync", "%n events that could not be read here were taken "
                                                                 "back from the server."));
    for (int i = 0; i < conflicts.size(); ++i)
        lines << QCoreApplication::translate("Sync", "\"%1\" was changed here and elsewhere: both are kept, the "
                                                     "other as \"%2\".")
                     .arg(conflicts[i], conflictCopies.value(i));
    if (lines.isEmpty())
        lines << QCoreApplication::translate("Sync", "Everything was already in sync.");
    return lines.join(QLatin1Char('\n'));
}

namespace {

SyncOutcome failure(const QString &error)
{
    SyncOutcome outcome;
    outcome.error = error;
    return outcome;
}

// The calendar to sync with: the one chosen before; the address itself when it is a calendar;
// else the account's calendar named "Oriventa", made when there is none.
bool findCalendar(CalDavClient &client, const SyncSettings &settings, QUrl *calendar)
{
    if (!settings.calendar.isEmpty()) {
        *calendar = settings.calendar;
        return true;
    }
    QList<CalendarInfo> calendars;
    if (!client.discover(settings.url, &calendars))
        return false;
    const auto samePath = [](const QUrl &a, const QUrl &b) {
        return a.adjusted(QUrl::StripTrailingSlash) == b.adjusted(QUrl::StripTrailingSlash);
    };
    for (const CalendarInfo &found : qAsConst(calendars))
        if (samePath(found.url, settings.url)) {
            *calendar = found.url;
            return true;
        }
    for (const CalendarInfo &found : qAsConst(calendars))
        if (found.displayName == QLatin1String("Oriventa")) {
            *calendar = found.url;
            return true;
        }
    return client.makeCalendar(settings.url, QStringLiteral("Oriventa"), calendar);
}

} // namespace

SyncOutcome syncEventsFile(SyncSettings &settings, const QString &password, const QString &eventsPath,
                           const SyncOptions &options)
{
    // No limit for the whole; each request keeps its own.
    const QDeadlineTimer deadline =
        options.timeLimitMs > 0 ? QDeadlineTimer(options.timeLimitMs) : QDeadlineTimer(QDeadlineTimer::Forever);
    if (!settings.isConfigured())
        return failure(QCoreApplication::translate("Sync", "No server address is set up."));
    // Read first: a list that could not be read would look as if its events had been deleted here,
    // and the sync would delete them on the server too.
    EventsFile file(eventsPath);
    switch (file.open()) {
    case EventsFile::State::Unreadable:
        //: %1 is the events file's path, %2 the system's reason.
        return failure(
            QCoreApplication::translate("Sync", "The events file %1 could not be read: %2. Nothing was synced.")
                .arg(QDir::toNativeSeparators(eventsPath), file.reason()));
    case EventsFile::State::Damaged:
        return failure(QCoreApplication::translate("Sync",
                                                   "The events file is damaged: open Oriventa once to keep what "
                                                   "can be read, then sync again."));
    default:
        break;
    }

    CalDavClient client(settings.user, password, deadline,
                        options.requestTimeLimitMs > 0 ? options.requestTimeLimitMs : RequestTimeLimitMs);
    QUrl calendar;
    if (!findCalendar(client, settings, &calendar)) {
        SyncOutcome outcome = failure(client.error());
        outcome.requests = client.requestCount();
        outcome.passwordRefused = client.accountRefused();
        return outcome;
    }
    settings.calendar = calendar;
    client.setCalendar(calendar);

    const QString statePath = syncStatePath(eventsPath);
    SyncState state = readSyncState(statePath);
    // A state of another calendar says nothing about this one.
    if (state.calendar != calendar.toString()) {
        state = SyncState();
        state.calendar = calendar.toString();
    }
    // A list rebuilt from a damaged file, or a file gone while its state stayed, lacks events it
    // never deleted.
    SyncOptions effective = options;
    effective.deadline = deadline;
    effective.restoreMissing = options.restoreMissing || file.damageNote().restorePending ||
                               (file.state() == EventsFile::State::Missing && !state.items.isEmpty());
    Preferences defaults;
    readPreferences(defaults, settingsFilePath());
    SyncOutcome outcome = syncEvents(file.events(), state, client, Clock::today(), defaults, effective);
    outcome.requests = client.requestCount();
    outcome.passwordRefused = !outcome.ok && client.accountRefused();
    if (!outcome.ok && !outcome.keptSome)
        return outcome;
    // The list first, then the state: cut off in between, the next sync finds the list and the
    // server alike and only records that. A sync that stopped early keeps what it settled.
    if (outcome.listChanged && !file.save()) {
        //: %1 is the system's reason.
        SyncOutcome failed = failure(
            QCoreApplication::translate("Sync", "The events file could not be written: %1.").arg(file.saveError()));
        failed.partial = outcome.partial || outcome.uploaded + outcome.deletedThere > 0;
        return failed;
    }
    if (writeSyncState(state, statePath) && outcome.ok && effective.restoreMissing)
        file.setRestoreDone();
    return outcome;
}

bool findCalendars(const SyncSettings &settings, const QString &password, QList<CalendarChoice> *calendars,
                   QString *error, int timeLimitMs)
{
    CalDavClient client(settings.user, password, QDeadlineTimer(timeLimitMs));
    QList<CalendarInfo> found;
    if (!client.discover(settings.url, &found)) {
        *error = client.error();
        return false;
    }
    for (const CalendarInfo &calendar : qAsConst(found))
        calendars->append({calendar.url, calendar.displayName.isEmpty() ? calendar.url.path() : calendar.displayName});
    return true;
}

QString syncStatePath(const QString &eventsPath)
{
    return eventsPath + QStringLiteral(".sync");
}

QString SyncProgress::text() const
{
    // Before the server has said how much there is, only the stage is told.
    static const char *const stages[][2] = {
        {QT_TRANSLATE_NOOP("Sync", "Reading the calendar..."), QT_TRANSLATE_NOOP("Sync", "Reading %1 of %2")},
        {QT_TRANSLATE_NOOP("Sync", "Uploading..."), QT_TRANSLATE_NOOP("Sync", "Uploading %1 of %2")},
        {QT_TRANSLATE_NOOP("Sync", "Downloading..."), QT_TRANSLATE_NOOP("Sync", "Downloading %1 of %2")},
        {QT_TRANSLATE_NOOP("Sync", "Deleting..."), QT_TRANSLATE_NOOP("Sync", "Deleting %1 of %2")},
    };
    const auto &texts = stages[int(stage)];
    if (total <= 0)
        return QCoreApplication::translate("Sync", texts[0]);
    const QLocale locale;
    return QCoreApplication::translate("Sync", texts[1]).arg(locale.toString(done), locale.toString(total));
}
