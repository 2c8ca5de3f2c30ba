// SPDX-License-Identifier: GPL-3.0-or-later
#include "sync/mergeitems.h"

#include "interop/icalwriter.h"
#include "sync/syncresource.h"

#include <QSet>
#include <QVector>

#include <algorithm>
#include <utility>

namespace {

// What a calendar states of an event: its name and its days.
bool sameDays(const Event &a, const Event &b)
{
    if (a.name != b.name || a.schedule != b.schedule)
        return false;
    if (a.schedule == Singular)
        return a.date == b.date;
    return a.weekdays == b.weekdays && a.useDayNumber == b.useDayNumber && a.ordinal == b.ordinal &&
           a.months == b.months && a.wholeYear == b.wholeYear;
}

} // namespace

bool sameContent(const RemoteItemState &remote, const Event &event)
{
    const Event form = syncedForm(event);
    return remote.carriesAll ? remote.event == form : sameDays(remote.event, form);
}

Event adopted(const RemoteItemState &remote, const Event *local)
{
    if (remote.carriesAll || !local)
        return remote.event;
    Event event = *local;
    event.name = remote.event.name;
    event.schedule = remote.event.schedule;
    if (event.schedule == Singular) {
        event.date = remote.event.date;
    } else {
        event.weekdays = remote.event.weekdays;
        event.useDayNumber = remote.event.useDayNumber;
        event.ordinal = remote.event.ordinal;
        event.months = remote.event.months;
        event.wholeYear = remote.event.wholeYear;
    }
    return event;
}

bool mergeAnswers(const Event &a, const Event &b, Event *merged)
{
    // Reminders off outlasts any snooze; a later day shown or a longer snooze keeps it quiet longer;
    // the count of the later day has counted more.
    Event quiet = a;
    quiet.notify = a.notify && b.notify;
    quiet.lastNotified = std::max(a.lastNotified, b.lastNotified);
    quiet.snoozeDays = std::max(a.snoozeDays, b.snoozeDays);
    if (std::make_pair(b.countDate, b.count) > std::make_pair(a.countDate, a.count)) {
        quiet.countDate = b.countDate;
        quiet.count = b.count;
    }
    Event other = b;
    other.notify = quiet.notify;
    other.lastNotified = quiet.lastNotified;
    other.snoozeDays = quiet.snoozeDays;
    other.countDate = quiet.countDate;
    other.count = quiet.count;
    if (other != quiet)
        return false;
    *merged = quiet;
    return true;
}

QString freeName(const QString &name, NameNote note, const std::function<bool(const QString &)> &taken)
{
    // A copy's name goes to every machine of the account and into the events file, which holds no
    // text of the program's in any language but English: every machine, whatever it speaks, makes
    // and recognises the same names.
    const bool noted = note == NameNote::ChangedElsewhere;
    for (int n = 1;; ++n) {
        const QString number = QString::number(n);
        QString candidate = name;
        if (n == 1 && noted)
            candidate = name + QStringLiteral(" (changed elsewhere)");
        else if (noted)
            candidate = name + QStringLiteral(" (changed elsewhere ") + number + QLatin1Char(')');
        else if (n > 1)
            candidate = name + QStringLiteral(" (") + number + QLatin1Char(')');
        if (!taken(candidate))
            return candidate;
    }
}

QHash<QString, LocalItem> claimLocalEvents(const EventStore &events, const QHash<QString, SyncedItem> &synced)
{
    QHash<QString, LocalItem> locals;
    QHash<QString, QStringList> byName;
    for (auto it = synced.cbegin(); it != synced.cend(); ++it)
        byName[it->event.name].append(it.key());
    for (QStringList &uids : byName)
        uids.sort();
    QVector<QString> uidOf(events.size());
    QSet<QString> claimed;
    const auto claim = [&](int i, const QString &uid) {
        uidOf[i] = uid;
        claimed.insert(uid);
        locals.insert(uid, LocalItem{i, *events[i], hasSyncResource(*events[i]), false});
    };
    for (int pass = 0; pass < 2; ++pass) {
        for (int i = 0; i < events.size(); ++i) {
            const Event form = syncedForm(*events[i]);
            for (const QString &uid : byName.value(form.name)) {
                if (uidOf[i].isEmpty() && !claimed.contains(uid) && (pass == 1 || synced.value(uid).event == form))
                    claim(i, uid);
            }
        }
    }
    for (int i = 0; i < events.size(); ++i) {
        if (uidOf[i].isEmpty() && hasSyncResource(*events[i]))
            claim(i, freeUid(syncedForm(*events[i]).name, locals, synced));
    }
    return locals;
}

QString freeUid(const QString &name, const QHash<QString, LocalItem> &locals, const QHash<QString, SyncedItem> &synced)
{
    for (int earlier = 0;; ++earlier) {
        const QString uid = eventUid(earlier == 0 ? name : name + QLatin1Char('\n') + QString::number(earlier));
        if (!locals.contains(uid) && !synced.contains(uid))
            return uid;
    }
}
