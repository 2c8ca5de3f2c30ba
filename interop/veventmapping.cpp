// SPDX-License-Identifier: GPL-3.0-or-later
#include "interop/veventmapping.h"

#include "interop/importedevents.h"

#include <KCalendarCore/Alarm>
#include <KCalendarCore/Recurrence>

#include <QCoreApplication>
#include <QStringList>
#include <QUuid>

#include <algorithm>
#include <cmath>

using KCalendarCore::RecurrenceRule;

namespace OwnProperty {

const QByteArray rule = "X-ORIVENTA-RULE";
const QByteArray count = "X-ORIVENTA-COUNT";
const QByteArray countDate = "X-ORIVENTA-COUNT-DATE";
const QByteArray notify = "X-ORIVENTA-NOTIFY";
const QByteArray notifyDays = "X-ORIVENTA-NOTIFY-DAYS";
const QByteArray showOnce = "X-ORIVENTA-SHOW-ONCE";

} // namespace OwnProperty

namespace {

// A month's length in a common and in a leap year.
int shortestMonth(int month)
{
    static constexpr int lengths[] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    return lengths[month - 1];
}

int longestMonth(int month)
{
    return month == 2 ? 29 : shortestMonth(month);
}

QList<int> chosenMonths(const Event &event)
{
    QList<int> months;
    for (int m = 0; m < 12; ++m)
        if (event.months[m])
            months << m + 1;
    return months;
}

QList<RecurrenceRule::WDayPos> chosenWeekdays(const Event &event, int position)
{
    QList<RecurrenceRule::WDayPos> days;
    for (int d = 0; d < 7; ++d)
        if (event.weekdays[d])
            days << RecurrenceRule::WDayPos(position, short(d + 1));
    return days;
}

QString monthlyRule(const Event &event, RecurrenceRule &rule)
{
    rule.setRecurrenceType(RecurrenceRule::rMonthly);
    const int n = std::max(event.ordinal, 1);
    const bool byWeekday = event.hasWeekday() && event.ordinal >= 1 && event.ordinal <= 5;
    QString inexact;
    if (event.useDayNumber) {
        rule.setByMonthDays({std::min(n, 31)});
        if (n > 28)
            //: Why an event was written only approximately; %1 is a day of the month.
            inexact =
                QCoreApplication::translate(
                    "Export", "day %1 runs into the next month when a month is shorter; calendars skip those months")
                    .arg(n);
        if (byWeekday)
            inexact = QCoreApplication::translate("Export", "falls on a day number and on weekdays; a calendar takes "
                                                            "only one of them, so only the day number was written");
    } else if (byWeekday) {
        rule.setByDays(chosenWeekdays(event, n));
    }
    return inexact;
}

QString yearlyRule(const Event &event, RecurrenceRule &rule)
{
    rule.setRecurrenceType(RecurrenceRule::rYearly);
    const int n = std::max(event.ordinal, 1);
    const QList<int> months = chosenMonths(event);
    const bool dayOfMonths = event.useDayNumber && !months.isEmpty();
    const bool weekdayOfMonths = event.hasWeekday() && !months.isEmpty();
    const bool dayOfYear = event.useDayNumber && event.wholeYear;
    const bool weekdayOfYear = event.hasWeekday() && event.wholeYear;
    QString inexact;
    if (int(dayOfMonths) + int(weekdayOfMonths) + int(dayOfYear) + int(weekdayOfYear) > 1)
        inexact = QCoreApplication::translate(
            "Export",
            "combines several yearly choices; a calendar takes only one of them, so only the first was written");

    if (dayOfMonths) {
        rule.setByMonths(months);
        const int day = std::min(n, 31);
        const bool inEvery =
            std::all_of(months.begin(), months.end(), [day](int m) { return day <= shortestMonth(m); });
        const bool beyondEvery =
            std::all_of(months.begin(), months.end(), [day](int m) { return day >= longestMonth(m); });
        // Past the end of every chosen month our day is that month's last: a calendar says so exactly.
        rule.setByMonthDays({!inEvery && beyondEvery ? -1 : day});
        if (!inEvery && !beyondEvery && inexact.isEmpty())
            inexact = QCoreApplication::translate("Export", "day %1 does not exist in every chosen month; Oriventa "
                                                            "takes the month's last day there, calendars skip it")
                          .arg(n);
    } else if (weekdayOfMonths) {
        rule.setByMonths(months);
        rule.setByDays(chosenWeekdays(event, std::min(n, 5)));
        if (n > 4 && inexact.isEmpty())
            //: %1 is an ordinal number ("5th").
            inexact =
                QCoreApplication::translate(
                    "Export", "a %1 weekday runs into the next month when a month has fewer; calendars skip that month")
                    .arg(Event::ordinalSuffix(n));
    } else if (dayOfYear) {
        rule.setByYearDays({std::min(n, 366)});
        if (n > 365 && inexact.isEmpty())
            //: %1 is a day of the year.
            inexact = QCoreApplication::translate(
                          "Export", "day %1 runs into the next year when a year is shorter; calendars skip those years")
                          .arg(n);
    } else if (weekdayOfYear) {
        rule.setByDays(chosenWeekdays(event, std::min(n, 53)));
        if (n > 52 && inexact.isEmpty())
            //: %1 is an ordinal number ("53rd").
            inexact =
                QCoreApplication::translate(
                    "Export", "a %1 weekday runs into the next year when a year has fewer; calendars skip that year")
                    .arg(Event::ordinalSuffix(n));
    }
    return inexact;
}

// Our exact rule in a compact text: kind, weekdays, day number, ordinal, months, whole year.
QString ruleText(const Event &event)
{
    QString weekdays, months;
    for (bool b : event.weekdays)
        weekdays += b ? QLatin1Char('1') : QLatin1Char('0');
    for (bool b : event.months)
        months += b ? QLatin1Char('1') : QLatin1Char('0');
    return QStringLiteral("%1 w%2 d%3 n%4 m%5 y%6")
        .arg(QLatin1Char("SWMY"[int(event.schedule)]))
        .arg(weekdays)
        .arg(int(event.useDayNumber))
        .arg(event.ordinal)
        .arg(months)
        .arg(int(event.wholeYear));
}

} // namespace

bool readRuleText(const QString &text, Event &event)
{
    const QStringList parts = text.split(QLatin1Char(' '));
    if (parts.size() != 6 || parts[0].size() != 1)
        return false;
    const int kind = QStringLiteral("SWMY").indexOf(parts[0]);
    const auto flags = [](const QString &part, QChar tag, int count) {
        return part.size() == count + 1 && part[0] == tag &&
               std::all_of(part.begin() + 1, part.end(), [](QChar c) { return c == '0' || c == '1'; });
    };
    bool ordinalOk = false;
    const int ordinal = parts[3].mid(1).toInt(&ordinalOk);
    if (kind < 0 || !flags(parts[1], 'w', 7) || !flags(parts[2], 'd', 1) || !parts[3].startsWith(QLatin1Char('n')) ||
        !ordinalOk || !flags(parts[4], 'm', 12) || !flags(parts[5], 'y', 1))
        return false;
    event.schedule = ScheduleKind(kind);
    for (int i = 0; i < 7; ++i)
        event.weekdays[i] = parts[1][i + 1] == '1';
    event.useDayNumber = parts[2][1] == '1';
    event.ordinal = ordinal;
    for (int i = 0; i < 12; ++i)
        event.months[i] = parts[4][i + 1] == '1';
    event.wholeYear = parts[5][1] == '1';
    return true;
}

namespace {

bool sameRule(const RecurrenceRule &a, const RecurrenceRule &b)
{
    return a.recurrenceType() == b.recurrenceType() && a.frequency() == b.frequency() && a.duration() == b.duration() &&
           a.byDays() == b.byDays() && a.byMonthDays() == b.byMonthDays() && a.byYearDays() == b.byYearDays() &&
           a.byMonths() == b.byMonths() && a.bySetPos() == b.bySetPos() && a.byWeekNumbers() == b.byWeekNumbers() &&
           a.byHours() == b.byHours() && a.byMinutes() == b.byMinutes() && a.bySeconds() == b.bySeconds();
}

// Weekdays with one common position (0 = every such weekday of the period), or a reason.
QString commonPosition(const QList<RecurrenceRule::WDayPos> &days, int *position)
{
    *position = days.first().pos();
    for (const auto &d : days)
        if (d.pos() != *position)
            return QCoreApplication::translate("Import", "falls on different weeks for different weekdays");
    if (*position == 0)
        return QCoreApplication::translate("Import", "falls on every such weekday of the period");
    if (*position < 0)
        return QCoreApplication::translate("Import", "counts weekdays from the end of the period");
    return {};
}

void setWeekdays(Event &event, const QList<RecurrenceRule::WDayPos> &days)
{
    for (const auto &d : days)
        if (d.day() >= 1 && d.day() <= 7)
            event.weekdays[d.day() - 1] = true;
}

// A day of the month that every given month has in every year, or a reason.
QString dayInEveryMonth(int day, const QList<int> &months)
{
    if (day < 1)
        return QCoreApplication::translate("Import", "counts days from the end of the month");
    for (int m : months)
        if (day > shortestMonth(m))
            return QCoreApplication::translate("Import", "falls on day %1, which a chosen month does not always have")
                .arg(day);
    return {};
}

// Our rules have no first day and count in local dates. Where a calendar's rule begins later than
// our next occurrence, or its times move across midnight here with the seasons, the two would
// differ: such an event is left out rather than reminded of on days it does not have.
QString differenceFromCalendar(const KCalendarCore::Incidence &incidence, const Event &event, QDate start, QDate today)
{
    const QDate next = event.nextOccurrence(today);
    if (next < start)
        //: Why a calendar entry was left out; %1 is its first date (2030-01-08).
        return QCoreApplication::translate("Import", "begins on %1, and Oriventa would remind of earlier days")
            .arg(start.toString(Qt::ISODate));
    if (incidence.allDay())
        return {};
    const QDate from = std::max(today, start);
    const QDate until = from.addYears(1);
    QList<QDate> theirs;
    const auto times = incidence.recurrence()->timesInInterval(QDateTime(from.addDays(-1), QTime(0, 0)),
                                                               QDateTime(until.addDays(1), QTime(0, 0)));
    for (const QDateTime &time : times) {
        const QDate day = time.toLocalTime().date();
        if (day >= from && day <= until)
            theirs << day;
    }
    QList<QDate> ours;
    for (QDate day = event.nextOccurrence(from); day.isValid() && day <= until;
         day = event.nextOccurrence(day.addDays(1)))
        ours << day;
    if (ours != theirs)
        return QCoreApplication::translate("Import", "falls on other days here at times of the year (its time zone)");
    return {};
}

// Our rule for an RRULE from another program (first day `start`), or the reason there is none.
QString ruleFromRRule(const RecurrenceRule &rule, QDate start, Event &event)
{
    static const char *const often[] = {
        "",
        QT_TRANSLATE_NOOP("Import", "repeats every second"),
        QT_TRANSLATE_NOOP("Import", "repeats every minute"),
        QT_TRANSLATE_NOOP("Import", "repeats hourly"),
        QT_TRANSLATE_NOOP("Import", "repeats daily"),
    };
    const auto type = rule.recurrenceType();
    if (type >= RecurrenceRule::rSecondly && type <= RecurrenceRule::rDaily)
        return QCoreApplication::translate("Import", often[type]);
    if (type != RecurrenceRule::rWeekly && type != RecurrenceRule::rMonthly && type != RecurrenceRule::rYearly)
        return QCoreApplication::translate("Import", "repeats in a way Oriventa does not know");
    if (rule.frequency() != 1) {
        static const char *const every[] = {
            QT_TRANSLATE_N_NOOP("Import", "repeats every %n weeks"),
            QT_TRANSLATE_N_NOOP("Import", "repeats every %n months"),
            QT_TRANSLATE_N_NOOP("Import", "repeats every %n years"),
        };
        return QCoreApplication::translate("Import", every[type - RecurrenceRule::rWeekly], nullptr, rule.frequency());
    }
    if (rule.duration() != -1)
        return QCoreApplication::translate("Import", "has a COUNT or UNTIL limit");
    if (!rule.bySetPos().isEmpty() || !rule.byWeekNumbers().isEmpty() || !rule.byHours().isEmpty() ||
        !rule.byMinutes().isEmpty() || !rule.bySeconds().isEmpty())
        return QCoreApplication::translate("Import", "picks its days by position, week number or time of day");

    const QList<RecurrenceRule::WDayPos> &days = rule.byDays();
    const QList<int> &monthDays = rule.byMonthDays();
    const QList<int> &yearDays = rule.byYearDays();
    QList<int> months = rule.byMonths();
    if (!days.isEmpty() && !monthDays.isEmpty())
        return QCoreApplication::translate("Import", "falls only where a day number and a weekday meet");

    if (type == RecurrenceRule::rWeekly) {
        if (!months.isEmpty() || !monthDays.isEmpty() || !yearDays.isEmpty())
            return QCoreApplication::translate("Import", "repeats weekly only on some days of the year");
        event.schedule = Weekly;
        for (const auto &d : days)
            if (d.pos() != 0)
                return QCoreApplication::translate("Import", "counts weeks within the period");
        setWeekdays(event, days);
        if (days.isEmpty())
            event.weekdays[start.dayOfWeek() - 1] = true;
        return {};
    }

    if (type == RecurrenceRule::rMonthly) {
        if (!months.isEmpty() || !yearDays.isEmpty())
            return QCoreApplication::translate("Import", "repeats monthly only in some months");
        event.schedule = Monthly;
        if (!days.isEmpty()) {
            int position = 0;
            QString reason = commonPosition(days, &position);
            if (reason.isEmpty() && position > 5)
                reason = QCoreApplication::translate("Import", "falls on a weekday no month has");
            if (!reason.isEmpty())
                return reason;
            event.ordinal = position;
            setWeekdays(event, days);
            return {};
        }
        if (monthDays.size() > 1)
            return QCoreApplication::translate("Import", "falls on several days of the month");
        const int day = monthDays.isEmpty() ? start.day() : monthDays.first();
        if (day < 1)
            return QCoreApplication::translate("Import", "counts days from the end of the month");
        if (day > 28)
            return QCoreApplication::translate("Import", "falls on day %1, which not every month has").arg(day);
        event.useDayNumber = true;
        event.ordinal = day;
        return {};
    }

    event.schedule = Yearly;
    if (!yearDays.isEmpty()) {
        if (!months.isEmpty() || !days.isEmpty() || !monthDays.isEmpty())
            return QCoreApplication::translate("Import", "combines a day of the year with other choices");
        if (yearDays.size() > 1)
            return QCoreApplication::translate("Import", "falls on several days of the year");
        if (yearDays.first() < 1)
            return QCoreApplication::translate("Import", "counts days from the end of the year");
        if (yearDays.first() > 365)
            return QCoreApplication::translate("Import", "falls on day %1 of the year, which not every year has")
                .arg(yearDays.first());
        event.useDayNumber = true;
        event.wholeYear = true;
        event.ordinal = yearDays.first();
        return {};
    }
    if (!days.isEmpty()) {
        int position = 0;
        QString reason = commonPosition(days, &position);
        if (reason.isEmpty() && !months.isEmpty() && position > 4)
            reason =
                //: Why a calendar entry was left out; %1 is an ordinal number ("5th").
                QCoreApplication::translate("Import", "falls on a %1 weekday, which not every month has")
                    .arg(Event::ordinalSuffix(position));
        if (reason.isEmpty() && months.isEmpty() && position > 52)
            reason =
                //: Why a calendar entry was left out; %1 is an ordinal number ("53rd").
                QCoreApplication::translate("Import", "falls on a %1 weekday, which not every year has")
                    .arg(Event::ordinalSuffix(position));
        if (!reason.isEmpty())
            return reason;
        event.ordinal = position;
        setWeekdays(event, days);
        event.wholeYear = months.isEmpty();
    } else {
        if (monthDays.size() > 1)
            return QCoreApplication::translate("Import", "falls on several days of the month");
        // Without BYMONTH a yearly rule keeps to the month of its start, with or without BYMONTHDAY.
        if (months.isEmpty())
            months = QList<int>{start.month()};
        const int day = monthDays.isEmpty() ? start.day() : monthDays.first();
        event.useDayNumber = true;
        // The last day of the month: our day 31, which every shorter month ends early.
        event.ordinal = day == -1 ? 31 : day;
        if (day != -1) {
            const QString reason = dayInEveryMonth(day, months);
            if (!reason.isEmpty())
                return reason;
        }
    }
    for (int m : qAsConst(months))
        if (m >= 1 && m <= 12)
            event.months[m - 1] = true;
    return {};
}

} // namespace

int alarmDaysBefore(const KCalendarCore::Alarm::List &alarms)
{
    int best = -1;
    for (const auto &alarm : alarms) {
        if (!alarm->hasStartOffset())
            continue;
        const KCalendarCore::Duration offset = alarm->startOffset();
        const double days = offset.isDaily() ? -offset.asDays() : std::ceil(-offset.asSeconds() / 86400.0);
        best = std::max(best, int(std::clamp(days, 0.0, 99.0)));
    }
    return best;
}

QString describeRule(const Event &event, RecurrenceRule &rule)
{
    rule.setFrequency(1);
    switch (event.schedule) {
    case Weekly:
        rule.setRecurrenceType(RecurrenceRule::rWeekly);
        rule.setByDays(chosenWeekdays(event, 0));
        return {};
    case Monthly:
        return monthlyRule(event, rule);
    case Yearly:
        return yearlyRule(event, rule);
    case Singular:
        break;
    }
    return {};
}

VEventExport toVEvent(const Event &event, QDate today)
{
    VEventExport result;
    const QDate start = event.nextOccurrence(today);
    if (start.isNull() || (event.schedule != Singular && today.daysTo(start) >= NoOccurrence)) {
        result.skipped = QCoreApplication::translate("Export", "has no date");
        return result;
    }
    KCalendarCore::Event::Ptr vevent(new KCalendarCore::Event);
    vevent->setSummary(event.name);
    // Only the date is written; UTC spares a look at the local time zone per event.
    vevent->setDtStart(QDateTime(start, QTime(0, 0), Qt::UTC));
    vevent->setAllDay(true);
    if (event.schedule != Singular) {
        // A new rule asks for the system time zone, which means three file lookups; a copy does not.
        thread_local const RecurrenceRule blank;
        auto *rule = new RecurrenceRule(blank);
        rule->setStartDt(vevent->dtStart());
        result.inexact = describeRule(event, *rule);
        vevent->recurrence()->addRRule(rule);
    }
    if (event.notify) {
        const KCalendarCore::Alarm::Ptr alarm = vevent->newAlarm();
        alarm->setDisplayAlarm(event.name);
        alarm->setStartOffset(KCalendarCore::Duration(-event.notifyDaysBefore, KCalendarCore::Duration::Days));
        alarm->setEnabled(true);
    } else {
        vevent->setNonKDECustomProperty(OwnProperty::notify, QStringLiteral("0"));
        vevent->setNonKDECustomProperty(OwnProperty::notifyDays, QString::number(event.notifyDaysBefore));
    }
    if (event.counted) {
        vevent->setNonKDECustomProperty(OwnProperty::count, QString::number(event.count));
        vevent->setNonKDECustomProperty(OwnProperty::countDate, event.countDate.toString(Qt::ISODate));
    }
    vevent->setNonKDECustomProperty(OwnProperty::showOnce, QString::number(int(event.showOnce)));
    vevent->setNonKDECustomProperty(OwnProperty::rule, ruleText(event));
    result.vevent = vevent;
    return result;
}

Event *fromVEvent(const KCalendarCore::Incidence &incidence, const Preferences &defaults, QDate today, QString *reason,
                  OwnRules ownRules)
{
    const auto fail = [reason](const QString &why) -> Event * {
        if (reason)
            *reason = why;
        return nullptr;
    };
    if (incidence.type() == KCalendarCore::IncidenceBase::TypeTodo)
        return fail(QCoreApplication::translate("Import", "is a to-do, not an event"));
    if (incidence.type() == KCalendarCore::IncidenceBase::TypeJournal)
        return fail(QCoreApplication::translate("Import", "is a journal entry, not an event"));
    if (incidence.type() != KCalendarCore::IncidenceBase::TypeEvent)
        return fail(QCoreApplication::translate("Import", "is not an event"));
    if (incidence.hasRecurrenceId())
        return fail(QCoreApplication::translate("Import", "changes one occurrence of a repeating event"));
    if (incidence.summary().trimmed().isEmpty())
        return fail(QCoreApplication::translate("Import", "has no title"));
    const QDateTime start = incidence.dtStart();
    if (!start.isValid())
        return fail(QCoreApplication::translate("Import", "has no date"));
    const QDate localDate = incidence.allDay() ? start.date() : start.toLocalTime().date();

    Event event;
    event.name = incidence.summary().trimmed();
    event.schedule = Singular;
    event.date = localDate;
    if (incidence.recurs()) {
        const KCalendarCore::Recurrence *recurrence = incidence.recurrence();
        const RecurrenceRule::List rules = recurrence->rRules();
        if (rules.isEmpty() || !recurrence->rDates().isEmpty() || !recurrence->rDateTimes().isEmpty())
            return fail(QCoreApplication::translate("Import", "has extra dates"));
        if (rules.size() > 1)
            return fail(QCoreApplication::translate("Import", "has several repeat rules"));
        if (!recurrence->exRules().isEmpty() || !recurrence->exDates().isEmpty() ||
            !recurrence->exDateTimes().isEmpty())
            return fail(QCoreApplication::translate("Import", "has exceptions"));
        if (!incidence.allDay() && localDate != start.date())
            return fail(QCoreApplication::translate("Import", "repeats at a time that falls on another day here"));
        event.date = QDate();

        // Our own rule comes back as it was, unless another program has changed the RRULE since.
        Event ours;
        RecurrenceRule expected;
        ours.name = event.name;
        const bool trusted = readRuleText(incidence.nonKDECustomProperty(OwnProperty::rule), ours) &&
                             ours.schedule != Singular && (ownRules == OwnRules::Any || ours.checkEvent() == Valid) &&
                             (describeRule(ours, expected), sameRule(expected, *rules.first()));
        if (trusted) {
            event.schedule = ours.schedule;
            event.weekdays = ours.weekdays;
            event.useDayNumber = ours.useDayNumber;
            event.ordinal = ours.ordinal;
            event.months = ours.months;
            event.wholeYear = ours.wholeYear;
        } else {
            QString why = ruleFromRRule(*rules.first(), localDate, event);
            if (why.isEmpty())
                why = differenceFromCalendar(incidence, event, localDate, today);
            if (!why.isEmpty())
                return fail(why);
        }
    }

    applyImportDefaults(event, defaults, today);
    event.countDate = today;
    const int daysBefore = alarmDaysBefore(incidence.alarms());
    if (daysBefore >= 0) {
        event.notify = true;
        event.notifyDaysBefore = daysBefore;
    } else if (incidence.nonKDECustomProperty(OwnProperty::notify) == QLatin1String("0")) {
        bool ok = false;
        const int days = incidence.nonKDECustomProperty(OwnProperty::notifyDays).toInt(&ok);
        event.notify = false;
        if (ok)
            event.notifyDaysBefore = std::clamp(days, 0, 99);
    }
    bool countOk = false;
    const int count = incidence.nonKDECustomProperty(OwnProperty::count).toInt(&countOk);
    const QDate countDate = QDate::fromString(incidence.nonKDECustomProperty(OwnProperty::countDate), Qt::ISODate);
    if (countOk && countDate.isValid()) {
        event.counted = true;
        event.count = count;
        event.countDate = countDate;
    }
    const QString showOnce = incidence.nonKDECustomProperty(OwnProperty::showOnce);
    if (showOnce == QLatin1String("0") || showOnce == QLatin1String("1"))
        event.showOnce = showOnce == QLatin1String("1");
    return new Event(event);
}
