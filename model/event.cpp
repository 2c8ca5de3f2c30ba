// SPDX-License-Identifier: GPL-3.0-or-later
#include "model/event.h"

#include "model/clock.h"

#include <QCoreApplication>
#include <QtAlgorithms>

#include <algorithm>
#include <limits>
#include <utility>

namespace {

qint64 julianDay(QDate d)
{
    return d.isNull() ? 0 : d.toJulianDay();
}

// Index into Event::weekdays (Monday 0) of a Julian day, valid for negative days too.
int weekdayIndex(qint64 jd)
{
    return int(((jd % 7) + 7) % 7);
}

// QDate has no year 0: the year after -1 is 1. The last year QDate can hold has no next year;
// 0 then gives invalid dates, which end the searches instead of wrapping to the first year.
int nextYear(int year)
{
    if (year == std::numeric_limits<int>::max())
        return 0;
    return year == -1 ? 1 : year + 1;
}

// Days in a month of the proleptic Gregorian calendar, as QDate counts them, without making a date.
int monthLength(int year, int month)
{
    static constexpr int lengths[] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    return month == 2 && QDate::isLeapYear(year) ? 29 : lengths[month - 1];
}

// Division rounding towards minus infinity, by a positive divisor.
qint64 floorDiv(qint64 a, qint64 divisor)
{
    return (a >= 0 ? a : a - (divisor - 1)) / divisor;
}

// The ticked flags as bits, bit i for flags[i], so that the rules visit only what is ticked
// without a hard-to-predict branch per flag. Read flag by flag: the file reader has just stored
// them in pieces, and one wide load of them would wait for those stores to drain.
template <std::size_t N, std::size_t... I>
unsigned tickedBits(const std::array<bool, N> &flags, std::index_sequence<I...>)
{
    return ((unsigned(flags[I]) << I) | ...);
}

template <std::size_t N>
unsigned tickedBits(const std::array<bool, N> &flags)
{
    return tickedBits(flags, std::make_index_sequence<N>());
}

// The Julian day QDate(year, month, day) has, for a day that exists in the month, without the
// validation QDate repeats at every construction. QDate has no year 0, so that one is no day.
inline bool julianDayOf(int year, int month, int day, qint64 &jd)
{
    if (year == 0)
        return false;
    const qint64 y = qint64(year < 0 ? year + 1 : year) + 4800 - (month < 3 ? 1 : 0);
    const int m = month + (month < 3 ? 12 : 0) - 3;
    jd = day + (153 * m + 2) / 5 - 32045 + 365 * y + floorDiv(y, 4) - floorDiv(y, 100) + floorDiv(y, 400);
    return true;
}

// The Julian day of the day `day` (at least 1) of a month, kept inside the month: a day beyond
// its end is its last day.
bool dayInMonth(int year, int month, int day, qint64 &jd)
{
    return julianDayOf(year, month, std::min(day, monthLength(year, month)), jd);
}

// Julian day of the first weekday `w` (0 = Monday) on or after the given day.
qint64 firstWeekdayOnOrAfter(qint64 jd, int w)
{
    return jd + (w - weekdayIndex(jd) + 7) % 7;
}

QDate weeklyOccurrence(const Event &e, QDate from)
{
    const unsigned ticked = tickedBits(e.weekdays);
    if (ticked == 0)
        return QDate();
    // Turned so that bit 0 is from's weekday: the lowest ticked bit is the days to go.
    const int today = weekdayIndex(from.toJulianDay());
    return from.addDays(qCountTrailingZeroBits(((ticked >> today) | (ticked << (7 - today))) & 0x7f));
}

qint64 monthlyDistance(const Event &e, const CalendarDay &from)
{
    const qint64 fromJd = from.julianDay;
    const qint64 n = e.ordinal;
    qint64 best = NoOccurrence;

    if (e.useDayNumber) {
        // Day N counts N - 1 days from the first of a month, so it may run into the next month.
        const qint64 dayNumber = std::max<qint64>(n, 1);
        best = std::min(best, dayNumber >= from.day ? dayNumber - from.day
                                                    : monthLength(from.year, from.month) - from.day + dayNumber);
    }

    if (n >= 1 && n <= 5) {
        for (unsigned ticked = tickedBits(e.weekdays); ticked != 0; ticked &= ticked - 1) {
            const int w = qCountTrailingZeroBits(ticked);
            int y = from.year, m = from.month;
            // Months with fewer than N such weekdays are skipped; past NoOccurrence nothing can win.
            for (;;) {
                qint64 firstJd = 0;
                if (!julianDayOf(y, m, 1, firstJd))
                    break;
                if (firstJd - fromJd >= best)
                    break;
                const qint64 candidate = firstWeekdayOnOrAfter(firstJd, w) + (n - 1) * 7;
                if (candidate - firstJd < monthLength(y, m) && candidate >= fromJd) {
                    best = std::min(best, candidate - fromJd);
                    break;
                }
                if (++m > 12) {
                    m = 1;
                    y = nextYear(y);
                }
            }
        }
    }
    return best;
}

qint64 yearlyDistance(const Event &e, const CalendarDay &from)
{
    const qint64 fromJd = from.julianDay;
    const int year = from.year;
    const qint64 n = std::max<qint64>(e.ordinal, 1);
    const unsigned months = tickedBits(e.months);
    qint64 best = NoOccurrence;

    if (e.useDayNumber) {
        if (e.wholeYear) {
            qint64 newYear = 0;
            julianDayOf(year, 1, 1, newYear);
            const qint64 dayOfYear = fromJd - newYear + 1;
            const qint64 daysInYear = QDate::isLeapYear(year) ? 366 : 365;
            best = std::min(best, n >= dayOfYear ? n - dayOfYear : daysInYear - dayOfYear + n);
        }
        const int day = int(std::min<qint64>(n, 31));
        for (unsigned ticked = months; ticked != 0; ticked &= ticked - 1) {
            const int m = qCountTrailingZeroBits(ticked);
            qint64 candidate = 0;
            if (!dayInMonth(year, m + 1, day, candidate))
                continue;
            if (candidate < fromJd && !dayInMonth(nextYear(year), m + 1, day, candidate))
                continue;
            best = std::min(best, candidate - fromJd);
        }
    }

    // The Nth weekday counted from the first of a month (or of January); it may run past the month.
    const auto nthWeekdayFrom = [&](int y, int month, int w) -> qint64 {
        qint64 first = 0;
        if (!julianDayOf(y, month, 1, first))
            return std::numeric_limits<qint64>::max();
        return firstWeekdayOnOrAfter(first, w) + (n - 1) * 7;
    };
    const auto distanceFor = [&](int month, int w) -> qint64 {
        qint64 candidate = nthWeekdayFrom(year, month, w);
        if (candidate < fromJd)
            candidate = nthWeekdayFrom(nextYear(year), month, w);
        return candidate == std::numeric_limits<qint64>::max() ? qint64(NoOccurrence) : candidate - fromJd;
    };
    for (unsigned ticked = tickedBits(e.weekdays); ticked != 0; ticked &= ticked - 1) {
        const int w = qCountTrailingZeroBits(ticked);
        qint64 forWeekday = NoOccurrence;
        if (e.wholeYear)
            forWeekday = distanceFor(1, w);
        for (unsigned m = months; m != 0; m &= m - 1)
            forWeekday = std::min(forWeekday, distanceFor(qCountTrailingZeroBits(m) + 1, w));
        best = std::min(best, forWeekday);
    }
    return best;
}

void addToCount(qint32 &count, qint64 more)
{
    // A count read from a file may be anything; never let it wrap.
    count = qint32(std::min<qint64>(qint64(count) + more, std::numeric_limits<qint32>::max()));
}

} // namespace

CalendarDay::CalendarDay(QDate d) : date(d), julianDay(d.isNull() ? 0 : d.toJulianDay())
{
    d.getDate(&year, &month, &day);
}

QDate Event::nextOccurrence(QDate from) const
{
    // Only the monthly and yearly rules need the day split into year, month and day.
    switch (schedule) {
    case Singular:
        return date;
    case Weekly:
        return from.isNull() ? QDate() : weeklyOccurrence(*this, from);
    default:
        return nextOccurrence(CalendarDay(from));
    }
}

QDate Event::nextOccurrence(const CalendarDay &from) const
{
    switch (schedule) {
    case Singular:
        return date;
    case Weekly:
        return from.date.isNull() ? QDate() : weeklyOccurrence(*this, from.date);
    case Monthly:
        return from.date.isNull() ? QDate() : QDate::fromJulianDay(from.julianDay + monthlyDistance(*this, from));
    case Yearly:
        return from.date.isNull() ? QDate() : QDate::fromJulianDay(from.julianDay + yearlyDistance(*this, from));
    }
    return QDate();
}

void Event::advanceCount()
{
    advanceCount(Clock::today());
}

void Event::advanceCount(QDate today)
{
    if (countDate == today)
        return;

    if (schedule == Singular) {
        // The one occurrence is counted once, when it falls after countDate and by today.
        if (!date.isNull() && date > countDate && date <= today)
            addToCount(count, 1);
    } else if (schedule == Weekly) {
        // Every ticked weekday in (countDate, today] is one occurrence: count whole weeks at once.
        if (!countDate.isNull() && countDate < today) {
            const qint64 first = countDate.toJulianDay() + 1;
            const qint64 last = today.toJulianDay();
            const qint64 weeks = (last - first + 1) / 7;
            const qint64 perWeek = std::count(weekdays.begin(), weekdays.end(), true);
            qint64 total = weeks * perWeek;
            for (qint64 jd = first + weeks * 7; jd <= last; ++jd)
                total += weekdays[weekdayIndex(jd)] ? 1 : 0;
            addToCount(count, total);
        }
    } else {
        QDate d = nextOccurrence(countDate.addDays(1));
        while (!d.isNull() && d <= today) {
            addToCount(count, 1);
            const QDate next = nextOccurrence(d.addDays(1));
            if (next <= d)
                break;
            d = next;
        }
    }
    countDate = today;
}

bool Event::hasWeekday() const
{
    return std::any_of(weekdays.begin(), weekdays.end(), [](bool b) { return b; });
}

bool Event::hasMonth() const
{
    return std::any_of(months.begin(), months.end(), [](bool b) { return b; });
}

ValidationResult Event::checkEvent(QString *message) const
{
    const auto fail = [message](ValidationResult result, const char *text) {
        if (message)
            *message = QCoreApplication::translate("Event", text);
        return result;
    };
    const char *const missingSchedule = QT_TRANSLATE_NOOP("Event", "Please select a reminder schedule.");

    if (name.isEmpty())
        return fail(MissingName, QT_TRANSLATE_NOOP("Event", "Please enter a description of the event."));

    switch (schedule) {
    case Weekly:
        if (!hasWeekday())
            return fail(MissingSchedule, missingSchedule);
        break;
    case Monthly:
        if (ordinal > 5 && hasWeekday())
            return fail(
                MonthlyLimit,
                QT_TRANSLATE_NOOP("Event", "You cannot select a monthly repetition period greater than 5 week days."));
        if (!useDayNumber && !hasWeekday())
            return fail(MissingSchedule, missingSchedule);
        break;
    case Yearly:
        if (ordinal > 5) {
            if (hasWeekday() && hasMonth())
                return fail(
                    YearlyLimit,
                    QT_TRANSLATE_NOOP(
                        "Event",
                        "You cannot select a yearly repetition period greater than 5 weeks for a specific month."));
            if (ordinal > 31 && useDayNumber && hasMonth())
                return fail(
                    YearlyLimit,
                    QT_TRANSLATE_NOOP(
                        "Event",
                        "You cannot select a yearly repetition period greater than 31 days for a specific month."));
            if (ordinal > 52 && hasWeekday() && wholeYear)
                return fail(
                    YearlyLimit,
                    QT_TRANSLATE_NOOP("Event", "You cannot select a yearly repetition period greater than 52 weeks."));
        }
        if (!((useDayNumber || hasWeekday()) && (wholeYear || hasMonth())))
            return fail(MissingSchedule, missingSchedule);
        break;
    case Singular:
        break;
    }
    return Valid;
}

QString Event::ordinalSuffix(int n)
{
    // The English rule picks the text; each language gives its own form of it ("5.", "5e",
    // "5.º"). A 1 alone has its own text, as French writes "1er" but "21e".
    static const char *const forms[][2] = {
        //: An ordinal number, %1 being the number 1: "1st".
        QT_TRANSLATE_NOOP3("Ordinal", "%1st", "1"),
        //: An ordinal number ending in 1 other than 1 itself and 11: "21st", "101st".
        QT_TRANSLATE_NOOP3("Ordinal", "%1st", "21, 31, 41, …"),
        //: An ordinal number ending in 2 but not in 12: "2nd", "22nd".
        QT_TRANSLATE_NOOP3("Ordinal", "%1nd", ""),
        //: An ordinal number ending in 3 but not in 13: "3rd", "23rd".
        QT_TRANSLATE_NOOP3("Ordinal", "%1rd", ""),
        //: Every other ordinal number: "4th", "11th", "12th", "13th", "20th".
        QT_TRANSLATE_NOOP3("Ordinal", "%1th", ""),
    };
    int form = 4;
    const int lastTwo = n % 100;
    if (lastTwo != 11 && lastTwo != 12 && lastTwo != 13) {
        switch (n % 10) {
        case 1:
            form = n == 1 ? 0 : 1;
            break;
        case 2:
            form = 2;
            break;
        case 3:
            form = 3;
            break;
        }
    }
    return QCoreApplication::translate("Ordinal", forms[form][0], forms[form][1]).arg(n);
}

bool operator==(const Event &a, const Event &b)
{
    // Null and empty names are different texts in the file, so compare them as such.
    return a.name == b.name && a.name.isNull() == b.name.isNull() && a.counted == b.counted && a.count == b.count &&
           a.countDate == b.countDate && a.schedule == b.schedule && a.date == b.date && a.weekdays == b.weekdays &&
           a.useDayNumber == b.useDayNumber && a.ordinal == b.ordinal && a.months == b.months &&
           a.wholeYear == b.wholeYear && a.notify == b.notify && a.notifyDaysBefore == b.notifyDaysBefore &&
           a.showOnce == b.showOnce && a.lastNotified == b.lastNotified && a.snoozeDays == b.snoozeDays;
}

qint64 dayDistance(QDate from, QDate to)
{
    return julianDay(to) - julianDay(from);
}

int daysRemaining(const Event &event)
{
    return daysRemaining(event, Clock::today());
}

int daysRemaining(const Event &event, QDate today)
{
    const qint64 days = dayDistance(today, event.nextOccurrence(today));
    return int(std::clamp<qint64>(days, std::numeric_limits<int>::min(), std::numeric_limits<int>::max()));
}
