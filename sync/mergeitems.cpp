// SPDX-License-Identifier: GPL-3.0-or-later
#include "sync/mergeitems.h"

#include "interop/icalwriter.h"
#include "sync/syncresource.h"

#include <QSet>
#include <QVector>

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
