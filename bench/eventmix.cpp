// SPDX-License-Identifier: GPL-3.0-or-later
#include "bench/eventmix.h"

#include "model/reminderrules.h"

#include <QRandomGenerator>

namespace {

const char *const WeekdayNames[] = {"Mon", "Tue", "Wed", "Thu", "Fri", "Sat", "Sun"};
const char *const MonthNames[] = {"Jan", "Feb", "Mar", "Apr", "May", "Jun", "Jul", "Aug", "Sep", "Oct", "Nov", "Dec"};

Event *drawEvent(QRandomGenerator &random, int index, QDate today)
{
    auto *e = new Event;
    e->name = QStringLiteral("event%1").arg(index);
    e->notify = true;
    e->notifyDaysBefore = int(random.bounded(15));
    e->countDate = today;
    const int kind = int(random.bounded(100));
    if (kind < 40) {
        e->schedule = Yearly;
        e->useDayNumber = true;
        e->ordinal = 1 + int(random.bounded(28));
        e->months[random.bounded(12)] = true;
    } else if (kind < 60) {
        e->schedule = Weekly;
        const int days = 1 + int(random.bounded(3));
        for (int i = 0; i < days; ++i)
            e->weekdays[random.bounded(7)] = true;
    } else if (kind < 80) {
        e->schedule = Monthly;
        e->useDayNumber = true;
        e->ordinal = 1 + int(random.bounded(28));
    } else if (kind < 90) {
        e->schedule = Monthly;
        e->ordinal = 1 + int(random.bounded(5));
        e->weekdays[random.bounded(7)] = true;
    } else {
        e->schedule = Singular;
        e->date = today.addDays(qint64(random.bounded(730)) - 180);
    }
    return e;
}

} // namespace

EventStore makeEventMix(const EventMixOptions &options)
{
    QRandomGenerator random(options.seed);
    EventStore events;
    events.reserve(options.count);
    for (int i = 0; i < options.count; ++i) {
        Event *e = drawEvent(random, i, options.today);
        while (options.nothingDue && ReminderRules::isDue(*e, options.today)) {
            delete e;
            e = drawEvent(random, i, options.today);
        }
        events.append(e);
    }
    return events;
}

QString remindLine(const Event &e)
{
    QString when;
    QString satisfy;
    switch (e.schedule) {
    case Weekly:
        for (int w = 0; w < 7; ++w)
            if (e.weekdays[w])
                when += QLatin1String(WeekdayNames[w]) + QLatin1Char(' ');
        break;
    case Monthly:
        if (e.useDayNumber) {
            when = QString::number(e.ordinal) + QLatin1Char(' ');
        } else {
            const int w = int(std::find(e.weekdays.begin(), e.weekdays.end(), true) - e.weekdays.begin());
            // The Nth weekday is the first one on or after day 7N - 6; a fifth one must stay in its month.
            const int first = e.ordinal == 5 ? 29 : 7 * e.ordinal - 6;
            when = QLatin1String(WeekdayNames[w]) + QLatin1Char(' ') + QString::number(first) + QLatin1Char(' ');
            if (e.ordinal == 5)
                satisfy = QStringLiteral("SATISFY [$Td >= 29] ");
        }
        break;
    case Yearly: {
        const int m = int(std::find(e.months.begin(), e.months.end(), true) - e.months.begin());
        when = QString::number(e.ordinal) + QLatin1Char(' ') + QLatin1String(MonthNames[m]) + QLatin1Char(' ');
        break;
    }
    case Singular:
        when = QString::number(e.date.day()) + QLatin1Char(' ') + QLatin1String(MonthNames[e.date.month() - 1]) +
               QLatin1Char(' ') + QString::number(e.date.year()) + QLatin1Char(' ');
        break;
    }
    return QStringLiteral("REM ") + when + QLatin1Char('+') + QString::number(e.notifyDaysBefore) + QLatin1Char(' ') +
           satisfy + QStringLiteral("MSG ") + e.name;
}
