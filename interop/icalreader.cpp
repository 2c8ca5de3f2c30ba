// SPDX-License-Identifier: GPL-3.0-or-later
#include "interop/icalreader.h"

#include "interop/icalcheck.h"
#include "interop/veventmapping.h"

#include <KCalendarCore/ICalFormat>
#include <KCalendarCore/MemoryCalendar>

#include <QCoreApplication>
#include <QTimeZone>

namespace {

// The calendar keeps its incidences unordered; the order they arrive in is the file's.
class InFileOrder final : public KCalendarCore::Calendar::CalendarObserver
{
public:
    KCalendarCore::Incidence::List incidences;

    void calendarIncidenceAdded(const KCalendarCore::Incidence::Ptr &incidence) override
    {
        incidences.append(incidence);
    }
    void calendarIncidenceAboutToBeDeleted(const KCalendarCore::Incidence::Ptr &incidence) override
    {
        incidences.removeAll(incidence);
    }
};

} // namespace

ImportReport readICalendar(const QByteArray &data, const Preferences &defaults, QDate today)
{
    ImportReport report;
    const KCalendarCore::MemoryCalendar::Ptr calendar(new KCalendarCore::MemoryCalendar(QTimeZone::systemTimeZone()));
    InFileOrder order;
    calendar->registerObserver(&order);
    KCalendarCore::ICalFormat format;
    const QByteArray text = foldLongLines(data);
    if (!format.fromRawString(calendar, text))
        report.damage = QCoreApplication::translate("Import", "It could not be read as a calendar.");
    calendar->unregisterObserver(&order);

    int rulesRead = 0;
    for (const auto &incidence : qAsConst(order.incidences))
        rulesRead += incidence->recurs() ? incidence->recurrence()->rRules().size() : 0;
    LostInReading lost;
    if (mayHaveLostEntries(text, order.incidences.size(), rulesRead))
        lost = findLostEntries(text);

    for (const auto &incidence : qAsConst(order.incidences)) {
        QString reason;
        Event *event = nullptr;
        if (lost.brokenUids.contains(incidence->uid()))
            //: Why a calendar entry was left out, after its name and ": ".
            reason = QCoreApplication::translate("Import", "has a repeat rule or exception that could not be read");
        else if (incidence->recurs() && !incidence->hasRecurrenceId() && !calendar->instances(incidence).isEmpty())
            //: Why a calendar entry was left out, after its name and ": ".
            reason = QCoreApplication::translate("Import", "has changed occurrences");
        else
            event = fromVEvent(*incidence, defaults, today, &reason);
        if (event)
            report.events.append(event);
        else
            report.skipped.append({entryName(incidence->summary().trimmed()), reason});
    }
    report.skipped += lost.dropped;
    return report;
}
