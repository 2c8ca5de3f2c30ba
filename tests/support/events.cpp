// SPDX-License-Identifier: GPL-3.0-or-later
#include "tests/support/events.h"

namespace {

// ISO dates where they have one, Julian days for those a damaged file may name.
QString day(QDate d)
{
    if (d.isNull())
        return QStringLiteral("null");
    return d.year() >= 1 && d.year() <= 9999 ? d.toString(Qt::ISODate) : QStringLiteral("JD%1").arg(d.toJulianDay());
}

} // namespace

QString describe(const Event &e)
{
    QString flags;
    for (bool b : e.weekdays)
        flags += b ? QLatin1Char('1') : QLatin1Char('0');
    flags += QLatin1Char('/');
    for (bool b : e.months)
        flags += b ? QLatin1Char('1') : QLatin1Char('0');
    // Long names are cut, so the length tells them apart.
    return QStringLiteral("Event(%1 \"%2\" counted %3 count %4 countDate %5 schedule %6 date %7 weekdays/months %8 "
                          "day %9 ordinal %10 year %11 notify %12 before %13 once %14 last %15 snooze %16)")
        .arg(e.name.isNull() ? QStringLiteral("null") : QString::number(e.name.size()))
        .arg(e.name.left(40))
        .arg(e.counted)
        .arg(e.count)
        .arg(day(e.countDate))
        .arg(int(e.schedule))
        .arg(day(e.date))
        .arg(flags)
        .arg(e.useDayNumber)
        .arg(e.ordinal)
        .arg(e.wholeYear)
        .arg(e.notify)
        .arg(e.notifyDaysBefore)
        .arg(e.showOnce)
        .arg(day(e.lastNotified))
        .arg(e.snoozeDays);
}

char *toString(const Event &e)
{
    return qstrdup(describe(e).toUtf8().constData());
}

namespace TestHelpers {

EventBuilder::EventBuilder(int schedule)
{
    m_event.name = QStringLiteral("Test event");
    m_event.schedule = ScheduleKind(schedule);
}

EventBuilder &EventBuilder::on(Qt::DayOfWeek day)
{
    m_event.weekdays[size_t(day - 1)] = true;
    return *this;
}

EventBuilder &EventBuilder::on(std::initializer_list<int> days)
{
    for (int d : days)
        on(Qt::DayOfWeek(d));
    return *this;
}

EventBuilder &EventBuilder::everyWeekday()
{
    m_event.weekdays.fill(true);
    return *this;
}

EventBuilder &EventBuilder::dayNumber(int n)
{
    m_event.useDayNumber = true;
    m_event.ordinal = n;
    return *this;
}

EventBuilder &EventBuilder::nth(int n)
{
    m_event.ordinal = n;
    return *this;
}

EventBuilder &EventBuilder::in(int month)
{
    m_event.months[size_t(month - 1)] = true;
    return *this;
}

EventBuilder &EventBuilder::wholeYear()
{
    m_event.wholeYear = true;
    return *this;
}

EventBuilder &EventBuilder::date(QDate d)
{
    m_event.date = d;
    return *this;
}

EventBuilder &EventBuilder::named(const QString &name)
{
    m_event.name = name;
    return *this;
}

EventBuilder &EventBuilder::counted(int count, QDate countDate)
{
    m_event.counted = true;
    m_event.count = count;
    m_event.countDate = countDate;
    return *this;
}

EventBuilder &EventBuilder::before(int days)
{
    m_event.notifyDaysBefore = days;
    return *this;
}

EventBuilder &EventBuilder::notify(int daysBefore)
{
    m_event.notify = true;
    return before(daysBefore);
}

EventBuilder &EventBuilder::showOnce()
{
    m_event.showOnce = true;
    return *this;
}

EventBuilder &EventBuilder::lastNotified(QDate d)
{
    m_event.lastNotified = d;
    return *this;
}

EventBuilder singular(QDate d)
{
    return EventBuilder(Singular).date(d);
}

EventBuilder weekly()
{
    return EventBuilder(Weekly);
}

EventBuilder monthly()
{
    return EventBuilder(Monthly);
}

EventBuilder yearly()
{
    return EventBuilder(Yearly);
}

Event *weeklyEvent(const QString &name, std::initializer_list<int> days)
{
    return weekly().named(name).on(days).make();
}

bool writeEvents(const EventStore &events, const QString &path)
{
    const bool saved = saveEvents(events, path);
    qDeleteAll(events);
    return saved;
}

QList<Event> readEvents(const QString &path, LoadStatus *status)
{
    return takeEvents(loadEvents(path, status));
}

QList<Event> takeEvents(const EventStore &loaded)
{
    QList<Event> values;
    for (const Event *e : loaded)
        values.append(*e);
    qDeleteAll(loaded);
    return values;
}

} // namespace TestHelpers
