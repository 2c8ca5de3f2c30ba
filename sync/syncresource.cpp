// SPDX-License-Identifier: GPL-3.0-or-later
#include "sync/syncresource.h"

#include "interop/icalcheck.h"
#include "interop/veventmapping.h"

#include <KCalendarCore/ICalFormat>
#include <KCalendarCore/MemoryCalendar>

#include <QTimeZone>

#include <memory>

namespace {

// The rest of an event, beyond what the export writes.
namespace SyncProperty {

const QByteArray counted = "X-ORIVENTA-COUNTED";
const QByteArray date = "X-ORIVENTA-DATE";
const QByteArray lastNotified = "X-ORIVENTA-LAST-NOTIFIED";
const QByteArray snoozeDays = "X-ORIVENTA-SNOOZE-DAYS";

} // namespace SyncProperty

// A repeating event's resource starts from this day rather than today, so that it does not change
// every day; other calendars expand the rule from there.
const QDate syncStart(2000, 1, 1);

QString dateText(QDate date)
{
    return date.isNull() ? QStringLiteral("none") : date.toString(Qt::ISODate);
}

bool readDate(const QString &text, QDate *date)
{
    *date = text == QLatin1String("none") ? QDate() : QDate::fromString(text, Qt::ISODate);
    return text == QLatin1String("none") || date->isValid();
}

bool readInt(const QString &text, qint32 *value)
{
    bool ok = false;
    *value = text.toInt(&ok);
    return ok;
}

bool readFlag(const QString &text, bool *flag)
{
    *flag = text == QLatin1String("1");
    return text == QLatin1String("0") || text == QLatin1String("1");
}

// The fields a sync resource adds to the export's; false when one is missing or unreadable, as in
// another client's event.
bool readSyncFields(const KCalendarCore::Incidence &incidence, Event &event)
{
    Event read = event;
    bool notify = false;
    const auto property = [&incidence](const QByteArray &name) { return incidence.nonKDECustomProperty(name); };
    if (!readFlag(property(OwnProperty::notify), &notify) ||
        !readInt(property(OwnProperty::notifyDays), &read.notifyDaysBefore) ||
        !readFlag(property(SyncProperty::counted), &read.counted) ||
        !readInt(property(OwnProperty::count), &read.count) ||
        !readDate(property(OwnProperty::countDate), &read.countDate) ||
        !readDate(property(SyncProperty::date), &read.date) ||
        !readDate(property(SyncProperty::lastNotified), &read.lastNotified) ||
        !readInt(property(SyncProperty::snoozeDays), &read.snoozeDays))
        return false;
    // A calendar that added or removed the reminder has the last word on it.
    if (notify != (alarmDaysBefore(incidence.alarms()) >= 0)) {
        read.notify = event.notify;
        read.notifyDaysBefore = event.notifyDaysBefore;
    }
    // A one-off event's day is its start, which a calendar may have moved.
    if (event.schedule == Singular) {
        read.date = event.date;
        Event rule;
        if (readRuleText(property(OwnProperty::rule), rule) && rule.schedule == Singular) {
            read.weekdays = rule.weekdays;
            read.useDayNumber = rule.useDayNumber;
            read.ordinal = rule.ordinal;
            read.months = rule.months;
            read.wholeYear = rule.wholeYear;
        }
    }
    event = read;
    return true;
}

} // namespace

bool hasSyncResource(const Event &event)
{
    // What toVEvent skips, and what fromVEvent would not take back.
    const QDate start = event.nextOccurrence(syncStart);
    return !event.name.trimmed().isEmpty() && start.isValid() &&
           (event.schedule == Singular || syncStart.daysTo(start) < NoOccurrence);
}

QByteArray syncResource(const Event &event, const QString &uid)
{
    if (!hasSyncResource(event))
        return {};
    const VEventExport made = toVEvent(event, syncStart);
    if (!made.vevent)
        return {};
    KCalendarCore::Event &vevent = *made.vevent;
    vevent.setUid(uid);
    vevent.setNonKDECustomProperty(OwnProperty::notify, QString::number(int(event.notify)));
    vevent.setNonKDECustomProperty(OwnProperty::notifyDays, QString::number(event.notifyDaysBefore));
    vevent.setNonKDECustomProperty(SyncProperty::counted, QString::number(int(event.counted)));
    vevent.setNonKDECustomProperty(OwnProperty::count, QString::number(event.count));
    vevent.setNonKDECustomProperty(OwnProperty::countDate, dateText(event.countDate));
    vevent.setNonKDECustomProperty(SyncProperty::date, dateText(event.date));
    vevent.setNonKDECustomProperty(SyncProperty::lastNotified, dateText(event.lastNotified));
    vevent.setNonKDECustomProperty(SyncProperty::snoozeDays, QString::number(event.snoozeDays));

    KCalendarCore::CalFormat::setApplication(QStringLiteral("Oriventa"), QStringLiteral("-//Brindlex//Oriventa//EN"));
    const KCalendarCore::MemoryCalendar::Ptr calendar(new KCalendarCore::MemoryCalendar(QTimeZone::utc()));
    calendar->addEvent(made.vevent);
    return KCalendarCore::ICalFormat().toString(calendar).toUtf8();
}

Event *eventFromResource(const QByteArray &data, QDate today, const Preferences &defaults, QString *uid,
                         QString *reason, bool *carriesAll)
{
    if (carriesAll)
        *carriesAll = false;
    // No event of a list comes near this; reading a server's megabytes would only cost time.
    if (data.size() > ResourceSizeLimit) {
        if (reason)
            *reason = QStringLiteral("is larger than 1 MiB");
        return nullptr;
    }
    const KCalendarCore::MemoryCalendar::Ptr calendar(new KCalendarCore::MemoryCalendar(QTimeZone::utc()));
    KCalendarCore::ICalFormat format;
    const KCalendarCore::Incidence::List items = format.fromRawString(calendar, foldLongLines(data))
                                                     ? calendar->rawIncidences()
                                                     : KCalendarCore::Incidence::List();
    if (items.size() != 1) {
        if (reason)
            *reason = items.isEmpty() ? QStringLiteral("holds no event") : QStringLiteral("holds more than one item");
        return nullptr;
    }
    if (uid)
        *uid = items.first()->uid();
    std::unique_ptr<Event> event(fromVEvent(*items.first(), defaults, today, reason, OwnRules::Any));
    if (event && readSyncFields(*items.first(), *event) && carriesAll)
        *carriesAll = true;
    return event.release();
}

Event syncedForm(const Event &event)
{
    Event form = event;
    form.name = event.name.trimmed();
    return form;
}
