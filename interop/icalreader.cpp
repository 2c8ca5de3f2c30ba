// SPDX-License-Identifier: GPL-3.0-or-later
#include "interop/icalreader.h"

#include "interop/veventmapping.h"

#include <KCalendarCore/ICalFormat>
#include <KCalendarCore/MemoryCalendar>

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

QString displayName(const KCalendarCore::Incidence &incidence)
{
    const QString name = incidence.summary().trimmed();
    return name.isEmpty() ? QStringLiteral("(untitled)") : name;
}

} // namespace

ImportReport readICalendar(const QByteArray &data, const Preferences &defaults, QDate today)
{
    ImportReport report;
    const KCalendarCore::MemoryCalendar::Ptr calendar(new KCalendarCore::MemoryCalendar(QTimeZone::systemTimeZone()));
    InFileOrder order;
    calendar->registerObserver(&order);
    KCalendarCore::ICalFormat format;
    if (!format.fromRawString(calendar, data))
        report.damage = QStringLiteral("It could not be read as a calendar.");
    calendar->unregisterObserver(&order);

    for (const auto &incidence : qAsConst(order.incidences)) {
        QString reason;
        Event *event = nullptr;
        if (incidence->recurs() && !incidence->hasRecurrenceId() && !calendar->instances(incidence).isEmpty())
            reason = QStringLiteral("has changed occurrences");
        else
            event = fromVEvent(*incidence, defaults, today, &reason);
        if (event)
            report.events.append(event);
        else
            report.skipped.append({displayName(*incidence), reason});
    }
    return report;
}
