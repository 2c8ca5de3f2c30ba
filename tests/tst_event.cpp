// SPDX-License-Identifier: GPL-3.0-or-later
#include "mainwindow/eventvalidation.h"
#include "model/event.h"
#include "tests/support/boxanswerer.h"
#include "tests/support/events.h"
#include "tests/support/randomevents.h"
#include "tests/support/testclock.h"
#include "tests/support/testenvironment.h"

#include <QRandomGenerator>
#include <QtTest>

#include <algorithm>
#include <functional>
#include <limits>

using namespace TestHelpers;

namespace {

constexpr int SearchLimit = 32000;
constexpr qint32 MaxCount = std::numeric_limits<qint32>::max();

bool monthNotBefore(QDate month, QDate from)
{
    return month.year() > from.year() || (month.year() == from.year() && month.month() >= from.month());
}

// Whether `e` has an occurrence on `day` when looked for from `from`. Counts that start at the
// first of a month (or of a year) only start in from's month (year) or later. Written from the
// wording of the rules, one day at a time, so that it shares no arithmetic with the model.
bool occursOn(const Event &e, QDate from, QDate day)
{
    const int n = e.ordinal;
    const bool weekdayTicked = e.weekdays[day.dayOfWeek() - 1];
    switch (e.schedule) {
    case Singular:
        return day == e.date;
    case Weekly:
        return weekdayTicked;
    case Monthly:
        if (e.useDayNumber) {
            // Day n is n - 1 days after the first of its month, so it may lie in the next month.
            const QDate first(day.year(), day.month(), 1);
            for (const QDate base : {first, first.addMonths(-1)}) {
                if (monthNotBefore(base, from) && base.addDays(n - 1) == day)
                    return true;
            }
        }
        return weekdayTicked && (day.day() - 1) / 7 + 1 == n;
    case Yearly:
        if (e.useDayNumber) {
            if (e.wholeYear) {
                for (const int year : {day.year(), day.year() - 1}) {
                    if (year >= from.year() && QDate(year, 1, 1).addDays(n - 1) == day)
                        return true;
                }
            }
            // A day the month does not have stands for its last day.
            if (e.months[day.month() - 1] && day.day() == std::min(n, day.daysInMonth()))
                return true;
        }
        if (weekdayTicked) {
            for (const int year : {day.year(), day.year() - 1}) {
                if (year < from.year())
                    continue;
                for (int month = 1; month <= 12; ++month) {
                    if (!e.months[month - 1] && !(month == 1 && e.wholeYear))
                        continue;
                    QDate first(year, month, 1);
                    const qint64 offset = first.daysTo(day);
                    if (offset < 0 || offset > 7 * qint64(n))
                        continue;
                    while (first.dayOfWeek() != day.dayOfWeek())
                        first = first.addDays(1);
                    if (first.addDays(7 * (n - 1)) == day)
                        return true;
                }
            }
        }
        return false;
    }
    return false;
}

QDate scanForNext(const Event &e, QDate from)
{
    if (e.schedule == Singular)
        return e.date;
    for (int i = 0; i <= SearchLimit; ++i) {
        const QDate day = from.addDays(i);
        if (occursOn(e, from, day))
            return day;
    }
    return e.schedule == Weekly ? QDate() : from.addDays(SearchLimit);
}

// Occurrences in (countDate, today], each looked for from the day after the previous one.
qint64 scanCount(const Event &e, QDate countDate, QDate today)
{
    qint64 found = 0;
    QDate cursor = countDate.addDays(1);
    for (;;) {
        const QDate d = scanForNext(e, cursor);
        if (d.isNull() || d > today)
            return found;
        ++found;
        cursor = d.addDays(1);
    }
}

// The first or last day QDate can hold, found by bisection so as not to depend on Qt's limits.
QDate representableEnd(bool last)
{
    qint64 inside = 0;
    qint64 outside = last ? std::numeric_limits<qint64>::max() : std::numeric_limits<qint64>::min() + 1;
    while (qAbs(outside - inside) > 1) {
        const qint64 mid = inside + (outside - inside) / 2;
        (QDate::fromJulianDay(mid).isValid() ? inside : outside) = mid;
    }
    return QDate::fromJulianDay(inside);
}

} // namespace

class TestEvent : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase() { QVERIFY(TestEnvironment::reset()); }

    void nextOccurrence_data();
    void nextOccurrence();
    void nextOccurrenceMatchesDayScan_data();
    void nextOccurrenceMatchesDayScan();

    void advanceCount_data();
    void advanceCount();
    void advanceCountTwiceOnOneDay_data();
    void advanceCountTwiceOnOneDay();
    void advanceCountOnOccurrenceThenNextDay_data();
    void advanceCountOnOccurrenceThenNextDay();
    void advanceCountReadsClock();
    void advanceCountFarBehind_data();
    void advanceCountFarBehind();
    void advanceCountMatchesDayScan_data();
    void advanceCountMatchesDayScan();

    void nextOccurrenceTerminates_data();
    void nextOccurrenceTerminates();
    void advanceCountTerminates_data();
    void advanceCountTerminates();

    void checkEvent_data();
    void checkEvent();
    void validateEventMessageBox_data();
    void validateEventMessageBox();

    void equalitySeesEveryField_data();
    void equalitySeesEveryField();

    void ordinalSuffix_data();
    void ordinalSuffix();
    void daysRemaining_data();
    void daysRemaining();
    void daysRemainingReadsClock();
};

void TestEvent::nextOccurrence_data()
{
    QTest::addColumn<Event>("event");
    QTest::addColumn<QDate>("from");
    QTest::addColumn<QDate>("expected");

    const QDate wed6Jan(2027, 1, 6);

    QTest::newRow("singular in the future") << singular(QDate(2027, 3, 1)).event() << wed6Jan << QDate(2027, 3, 1);
    QTest::newRow("singular in the past") << singular(QDate(2020, 5, 17)).event() << wed6Jan << QDate(2020, 5, 17);
    QTest::newRow("singular without a date") << singular(QDate()).event() << wed6Jan << QDate();

    QTest::newRow("weekly Mon+Thu from a Wednesday")
        << weekly().on(Qt::Monday).on(Qt::Thursday).event() << wed6Jan << QDate(2027, 1, 7);
    QTest::newRow("weekly Wednesday on a Wednesday") << weekly().on(Qt::Wednesday).event() << wed6Jan << wed6Jan;
    QTest::newRow("weekly Tuesday from a Wednesday: six days on")
        << weekly().on(Qt::Tuesday).event() << wed6Jan << QDate(2027, 1, 12);
    QTest::newRow("weekly Sunday across the turn of the year")
        << weekly().on(Qt::Sunday).event() << QDate(2027, 12, 27) << QDate(2028, 1, 2);
    QTest::newRow("weekly with nothing ticked") << weekly().event() << wed6Jan << QDate();

    QTest::newRow("monthly day 15 from the 20th")
        << monthly().dayNumber(15).event() << QDate(2027, 1, 20) << QDate(2027, 2, 15);
    QTest::newRow("monthly day 20 on the 20th")
        << monthly().dayNumber(20).event() << QDate(2027, 1, 20) << QDate(2027, 1, 20);
    QTest::newRow("monthly day 31 runs past April")
        << monthly().dayNumber(31).event() << QDate(2027, 4, 5) << QDate(2027, 5, 1);
    QTest::newRow("monthly day 30 runs past February")
        << monthly().dayNumber(30).event() << QDate(2027, 1, 31) << QDate(2027, 3, 2);
    QTest::newRow("monthly day 1 on New Year's Eve")
        << monthly().dayNumber(1).event() << QDate(2027, 12, 31) << QDate(2028, 1, 1);
    QTest::newRow("monthly day 0 counts as day 1")
        << monthly().dayNumber(0).event() << QDate(2027, 1, 20) << QDate(2027, 2, 1);
    QTest::newRow("monthly day -7 counts as day 1")
        << monthly().dayNumber(-7).event() << QDate(2027, 1, 1) << QDate(2027, 1, 1);
    QTest::newRow("monthly 3rd Monday after this month's")
        << monthly().nth(3).on(Qt::Monday).event() << QDate(2027, 1, 20) << QDate(2027, 2, 15);
    QTest::newRow("monthly 5th Friday in January")
        << monthly().nth(5).on(Qt::Friday).event() << QDate(2027, 1, 1) << QDate(2027, 1, 29);
    QTest::newRow("monthly 5th Friday skips two months")
        << monthly().nth(5).on(Qt::Friday).event() << QDate(2027, 2, 1) << QDate(2027, 4, 30);
    QTest::newRow("monthly 1st Monday on that Monday")
        << monthly().nth(1).on(Qt::Monday).event() << QDate(2027, 1, 4) << QDate(2027, 1, 4);
    QTest::newRow("monthly 6th Monday alone")
        << monthly().nth(6).on(Qt::Monday).event() << QDate(2027, 1, 1) << QDate(2027, 1, 1).addDays(SearchLimit);
    QTest::newRow("monthly 0th Monday alone")
        << monthly().nth(0).on(Qt::Monday).event() << QDate(2027, 1, 1) << QDate(2027, 1, 1).addDays(SearchLimit);
    QTest::newRow("monthly 6th Monday with day number: the day")
        << monthly().dayNumber(6).on(Qt::Monday).event() << QDate(2027, 1, 20) << QDate(2027, 2, 6);
    QTest::newRow("monthly nothing chosen")
        << monthly().nth(3).event() << QDate(2027, 1, 20) << QDate(2027, 1, 20).addDays(SearchLimit);
    QTest::newRow("monthly day 2 or 2nd Monday: the day")
        << monthly().dayNumber(2).on(Qt::Monday).event() << QDate(2027, 1, 20) << QDate(2027, 2, 2);
    QTest::newRow("monthly day 2 or 2nd Monday: the Monday")
        << monthly().dayNumber(2).on(Qt::Monday).event() << QDate(2027, 1, 3) << QDate(2027, 1, 11);
    QTest::newRow("monthly day 25 with a Monday: only the day")
        << monthly().dayNumber(25).on(Qt::Monday).event() << QDate(2027, 1, 20) << QDate(2027, 1, 25);
    QTest::newRow("monthly 2nd Tuesday or 2nd Wednesday")
        << monthly().nth(2).on(Qt::Wednesday).on(Qt::Tuesday).event() << QDate(2027, 1, 1) << QDate(2027, 1, 12);
    // The year after 1 BC (-1) is AD 1, and 1 BC was a leap year.
    QTest::newRow("monthly 1st Monday from 1 BC into AD 1")
        << monthly().nth(1).on(Qt::Monday).event() << QDate(-1, 12, 27) << QDate(1, 1, 1);
    QTest::newRow("yearly 29 February of 1 BC")
        << yearly().dayNumber(29).in(2).event() << QDate(-1, 1, 10) << QDate(-1, 2, 29);
    QTest::newRow("yearly day 1 of March from 1 BC into AD 1")
        << yearly().dayNumber(1).in(3).event() << QDate(-1, 6, 1) << QDate(1, 3, 1);

    QTest::newRow("yearly 2nd Sunday of May, next year")
        << yearly().nth(2).on(Qt::Sunday).in(5).event() << QDate(2027, 6, 1) << QDate(2028, 5, 14);
    QTest::newRow("yearly day 14 of February, next year")
        << yearly().dayNumber(14).in(2).event() << QDate(2027, 2, 15) << QDate(2028, 2, 14);
    QTest::newRow("yearly day 256 of the year, next year")
        << yearly().dayNumber(256).wholeYear().event() << QDate(2027, 10, 1) << QDate(2028, 9, 12);
    QTest::newRow("yearly day 366 of a common year")
        << yearly().dayNumber(366).wholeYear().event() << QDate(2027, 1, 2) << QDate(2028, 1, 1);
    QTest::newRow("yearly day 0 of the year counts as day 1")
        << yearly().dayNumber(0).wholeYear().event() << QDate(2027, 1, 2) << QDate(2028, 1, 1);
    QTest::newRow("yearly 10th Monday of the year")
        << yearly().nth(10).on(Qt::Monday).wholeYear().event() << QDate(2027, 1, 1) << QDate(2027, 3, 8);
    QTest::newRow("yearly 53rd Monday runs into the next year")
        << yearly().nth(53).on(Qt::Monday).wholeYear().event() << QDate(2027, 12, 1) << QDate(2028, 1, 3);
    QTest::newRow("yearly 5th Friday of February runs into March")
        << yearly().nth(5).on(Qt::Friday).in(2).event() << QDate(2027, 1, 1) << QDate(2027, 3, 5);
    QTest::newRow("yearly 0th Monday of May counts as the 1st")
        << yearly().nth(0).on(Qt::Monday).in(5).event() << QDate(2027, 1, 1) << QDate(2027, 5, 3);
    QTest::newRow("yearly 29 February seen after it")
        << yearly().dayNumber(29).in(2).event() << QDate(2028, 3, 1) << QDate(2029, 2, 28);
    QTest::newRow("yearly 29 February in a common year")
        << yearly().dayNumber(29).in(2).event() << QDate(2027, 1, 1) << QDate(2027, 2, 28);
    QTest::newRow("yearly 29 February, next year a leap year")
        << yearly().dayNumber(29).in(2).event() << QDate(2027, 3, 1) << QDate(2028, 2, 29);
    QTest::newRow("yearly day 31 of April")
        << yearly().dayNumber(31).in(4).event() << QDate(2027, 1, 1) << QDate(2027, 4, 30);
    QTest::newRow("yearly day 31 of April on the 30th")
        << yearly().dayNumber(31).in(4).event() << QDate(2027, 4, 30) << QDate(2027, 4, 30);
    QTest::newRow("yearly day 0 of June counts as day 1")
        << yearly().dayNumber(0).in(6).event() << QDate(2027, 1, 1) << QDate(2027, 6, 1);
    QTest::newRow("yearly day -40 of June counts as day 1")
        << yearly().dayNumber(-40).in(6).event() << QDate(2027, 6, 2) << QDate(2028, 6, 1);
    QTest::newRow("yearly nothing chosen")
        << yearly().nth(4).event() << QDate(2027, 1, 1) << QDate(2027, 1, 1).addDays(SearchLimit);
    QTest::newRow("yearly day number without month or year")
        << yearly().dayNumber(4).event() << QDate(2027, 1, 1) << QDate(2027, 1, 1).addDays(SearchLimit);
    QTest::newRow("yearly weekday without month or year")
        << yearly().nth(1).on(Qt::Monday).event() << QDate(2027, 1, 1) << QDate(2027, 1, 1).addDays(SearchLimit);
    QTest::newRow("yearly months without day or weekday")
        << yearly().nth(1).in(3).wholeYear().event() << QDate(2027, 1, 1) << QDate(2027, 1, 1).addDays(SearchLimit);
    QTest::newRow("yearly day 1 of Jan, Jul or Dec: July")
        << yearly().dayNumber(1).in(1).in(7).in(12).event() << QDate(2027, 6, 15) << QDate(2027, 7, 1);
    QTest::newRow("yearly day 10 of March or 10th Monday of the year: the Monday")
        << yearly().dayNumber(10).in(3).wholeYear().on(Qt::Monday).event() << QDate(2027, 2, 1) << QDate(2027, 3, 8);
    QTest::newRow("yearly day 10 of March or 10th Monday of the year: the day")
        << yearly().dayNumber(10).in(3).wholeYear().on(Qt::Monday).event() << QDate(2027, 3, 9) << QDate(2027, 3, 10);
    QTest::newRow("yearly 1st Monday of the year or of June")
        << yearly().nth(1).on(Qt::Monday).in(6).wholeYear().event() << QDate(2027, 6, 8) << QDate(2028, 1, 3);

    QTest::newRow("schedule 7") << EventBuilder(7).everyWeekday().dayNumber(3).in(1).event() << wed6Jan << QDate();
    QTest::newRow("schedule -1") << EventBuilder(-1).date(wed6Jan).event() << wed6Jan << QDate();
}

void TestEvent::nextOccurrence()
{
    QFETCH(Event, event);
    QFETCH(QDate, from);
    QFETCH(QDate, expected);
    QCOMPARE(event.nextOccurrence(from), expected);
}

void TestEvent::nextOccurrenceMatchesDayScan_data()
{
    QTest::addColumn<int>("kind");
    QTest::addColumn<quint32>("seed");
    QTest::addColumn<int>("cases");

    QTest::newRow("singular") << int(Singular) << 11u << 300;
    QTest::newRow("weekly") << int(Weekly) << 12u << 1500;
    QTest::newRow("monthly") << int(Monthly) << 13u << 3000;
    QTest::newRow("yearly") << int(Yearly) << 14u << 3000;
}

void TestEvent::nextOccurrenceMatchesDayScan()
{
    QFETCH(int, kind);
    QFETCH(quint32, seed);
    QFETCH(int, cases);

    QRandomGenerator rng(seed);
    for (int i = 0; i < cases; ++i) {
        const Event event = randomEvent(rng, ScheduleKind(kind));
        const QDate from = randomDay(rng);
        const QDate expected = scanForNext(event, from);
        const QDate actual = event.nextOccurrence(from);
        if (actual != expected) {
            QFAIL(qPrintable(
                QStringLiteral("case %1: %2 from %3 gives %4, expected %5")
                    .arg(i)
                    .arg(describe(event))
                    .arg(from.toString(Qt::ISODate), actual.toString(Qt::ISODate), expected.toString(Qt::ISODate))));
        }
    }
}

void TestEvent::advanceCount_data()
{
    QTest::addColumn<Event>("event");
    QTest::addColumn<int>("count");
    QTest::addColumn<QDate>("countDate");
    QTest::addColumn<QDate>("today");
    QTest::addColumn<int>("expectedCount");

    const QDate mon4Jan(2027, 1, 4);
    const QDate wed13Jan(2027, 1, 13);
    const Event mondays = weekly().on(Qt::Monday).event();

    QTest::newRow("weekly Mondays, one more") << mondays << 10 << mon4Jan << wed13Jan << 11;
    QTest::newRow("countDate is today") << mondays << 10 << wed13Jan << wed13Jan << 10;
    QTest::newRow("countDate in the future") << mondays << 10 << QDate(2027, 3, 1) << wed13Jan << 10;
    QTest::newRow("countDate null, weekly") << mondays << 3 << QDate() << wed13Jan << 3;
    QTest::newRow("weekly Mon+Wed, today included")
        << weekly().on(Qt::Monday).on(Qt::Wednesday).event() << 0 << mon4Jan << wed13Jan << 3;
    QTest::newRow("weekly every day, count near the limit")
        << weekly().everyWeekday().event() << MaxCount - 5 << mon4Jan << wed13Jan << MaxCount;
    QTest::newRow("weekly nothing ticked") << weekly().event() << 2 << mon4Jan << wed13Jan << 2;
    QTest::newRow("negative count from a file") << mondays << -5 << mon4Jan << wed13Jan << -4;

    QTest::newRow("singular after countDate, before today")
        << singular(QDate(2027, 1, 10)).event() << 4 << mon4Jan << wed13Jan << 5;
    QTest::newRow("singular on today") << singular(wed13Jan).event() << 4 << mon4Jan << wed13Jan << 5;
    QTest::newRow("singular on countDate") << singular(mon4Jan).event() << 4 << mon4Jan << wed13Jan << 4;
    QTest::newRow("singular before countDate")
        << singular(QDate(2026, 12, 25)).event() << 4 << mon4Jan << wed13Jan << 4;
    QTest::newRow("singular after today") << singular(QDate(2027, 1, 14)).event() << 4 << mon4Jan << wed13Jan << 4;
    QTest::newRow("singular without a date") << singular(QDate()).event() << 4 << mon4Jan << wed13Jan << 4;
    QTest::newRow("singular, countDate null") << singular(QDate(2020, 1, 1)).event() << 0 << QDate() << wed13Jan << 1;
    QTest::newRow("singular at the count limit")
        << singular(QDate(2027, 1, 10)).event() << MaxCount << mon4Jan << wed13Jan << MaxCount;

    QTest::newRow("monthly day 31 counts 3 March and 31 March")
        << monthly().dayNumber(31).event() << 0 << QDate(2027, 1, 31) << QDate(2027, 3, 31) << 2;
    QTest::newRow("monthly 2nd Friday over a year")
        << monthly().nth(2).on(Qt::Friday).event() << 7 << QDate(2026, 12, 31) << QDate(2027, 12, 31) << 19;
    QTest::newRow("monthly, countDate null") << monthly().dayNumber(1).event() << 1 << QDate() << wed13Jan << 1;
    QTest::newRow("monthly day 1, count near the limit")
        << monthly().dayNumber(1).event() << MaxCount - 1 << QDate(2026, 1, 13) << wed13Jan << MaxCount;
    QTest::newRow("yearly 29 February over three years")
        << yearly().dayNumber(29).in(2).event() << 0 << QDate(2027, 1, 1) << QDate(2029, 12, 31) << 3;
    QTest::newRow("yearly 1st Monday of the year")
        << yearly().nth(1).on(Qt::Monday).wholeYear().event() << 0 << QDate(2020, 1, 6) << wed13Jan << 7;
    QTest::newRow("schedule 9") << EventBuilder(9).everyWeekday().event() << 8 << mon4Jan << wed13Jan << 8;
}

void TestEvent::advanceCount()
{
    QFETCH(Event, event);
    QFETCH(int, count);
    QFETCH(QDate, countDate);
    QFETCH(QDate, today);
    QFETCH(int, expectedCount);

    event.count = count;
    event.countDate = countDate;
    Event expected = event;
    expected.count = expectedCount;
    expected.countDate = today;

    event.advanceCount(today);
    QCOMPARE(event, expected);
}

void TestEvent::advanceCountTwiceOnOneDay_data()
{
    QTest::addColumn<Event>("event");

    QTest::newRow("singular") << singular(QDate(2027, 1, 10)).event();
    QTest::newRow("weekly") << weekly().on(Qt::Wednesday).on(Qt::Friday).event();
    QTest::newRow("monthly") << monthly().dayNumber(2).on(Qt::Monday).event();
    QTest::newRow("yearly") << yearly().dayNumber(13).in(1).in(6).event();
}

void TestEvent::advanceCountTwiceOnOneDay()
{
    QFETCH(Event, event);
    event.countDate = QDate(2026, 11, 2);
    event.count = 1;

    event.advanceCount(QDate(2027, 1, 13));
    QVERIFY(event.count > 1);
    const Event once = event;
    event.advanceCount(QDate(2027, 1, 13));
    QCOMPARE(event, once);
}

void TestEvent::advanceCountOnOccurrenceThenNextDay_data()
{
    QTest::addColumn<Event>("event");
    QTest::addColumn<QDate>("occurrence");

    QTest::newRow("singular") << singular(QDate(2027, 1, 13)).event() << QDate(2027, 1, 13);
    QTest::newRow("weekly") << weekly().on(Qt::Wednesday).event() << QDate(2027, 1, 13);
    QTest::newRow("monthly day") << monthly().dayNumber(13).event() << QDate(2027, 1, 13);
    QTest::newRow("monthly weekday") << monthly().nth(2).on(Qt::Wednesday).event() << QDate(2027, 1, 13);
    QTest::newRow("yearly day of month") << yearly().dayNumber(13).in(1).event() << QDate(2027, 1, 13);
    QTest::newRow("yearly weekday of year")
        << yearly().nth(2).on(Qt::Wednesday).wholeYear().event() << QDate(2027, 1, 13);
}

void TestEvent::advanceCountOnOccurrenceThenNextDay()
{
    QFETCH(Event, event);
    QFETCH(QDate, occurrence);
    QCOMPARE(event.nextOccurrence(occurrence), occurrence);

    event.count = 0;
    event.countDate = occurrence.addDays(-1);
    event.advanceCount(occurrence);
    QCOMPARE(event.count, 1);
    QCOMPARE(event.countDate, occurrence);
    event.advanceCount(occurrence.addDays(1));
    QCOMPARE(event.count, 1);
    QCOMPARE(event.countDate, occurrence.addDays(1));
}

void TestEvent::advanceCountReadsClock()
{
    const TestClock clock(QDateTime(QDate(2027, 1, 13), QTime(23, 59)));
    Event event = weekly().on(Qt::Monday).event();
    event.count = 10;
    event.countDate = QDate(2027, 1, 4);
    event.advanceCount();
    QCOMPARE(event.count, 11);
    QCOMPARE(event.countDate, QDate(2027, 1, 13));
}

void TestEvent::advanceCountFarBehind_data()
{
    QTest::addColumn<Event>("event");
    QTest::addColumn<QDate>("countDate");

    QTest::newRow("Mon+Thu, 50 years") << weekly().on(Qt::Monday).on(Qt::Thursday).event() << QDate(1977, 1, 13);
    QTest::newRow("Sunday, 50 years and a day") << weekly().on(Qt::Sunday).event() << QDate(1977, 1, 12);
    QTest::newRow("every day but Friday, 300 years") << weekly()
                                                            .on(Qt::Monday)
                                                            .on(Qt::Tuesday)
                                                            .on(Qt::Wednesday)
                                                            .on(Qt::Thursday)
                                                            .on(Qt::Saturday)
                                                            .on(Qt::Sunday)
                                                            .event()
                                                     << QDate(1727, 5, 30);
    QTest::newRow("every day from Julian day 1") << weekly().everyWeekday().event() << QDate::fromJulianDay(1);
}

void TestEvent::advanceCountFarBehind()
{
    QFETCH(Event, event);
    QFETCH(QDate, countDate);
    const QDate today(2027, 1, 13);

    qint64 expected = 0;
    for (QDate d = countDate.addDays(1); d <= today; d = d.addDays(1))
        expected += event.weekdays[d.dayOfWeek() - 1] ? 1 : 0;

    event.countDate = countDate;
    event.advanceCount(today);
    QCOMPARE(qint64(event.count), expected);
    QCOMPARE(event.countDate, today);
}

void TestEvent::advanceCountMatchesDayScan_data()
{
    QTest::addColumn<int>("kind");
    QTest::addColumn<quint32>("seed");

    QTest::newRow("weekly") << int(Weekly) << 21u;
    QTest::newRow("monthly") << int(Monthly) << 22u;
    QTest::newRow("yearly") << int(Yearly) << 23u;
}

void TestEvent::advanceCountMatchesDayScan()
{
    QFETCH(int, kind);
    QFETCH(quint32, seed);

    QRandomGenerator rng(seed);
    for (int i = 0; i < 300; ++i) {
        Event event = randomEvent(rng, ScheduleKind(kind));
        const QDate countDate = randomDay(rng);
        const QDate today = countDate.addDays(rng.bounded(-30, 1500));
        event.count = rng.bounded(1000);
        event.countDate = countDate;
        const qint64 expected = today > countDate ? event.count + scanCount(event, countDate, today) : event.count;

        event.advanceCount(today);
        if (event.count != expected || event.countDate != today) {
            QFAIL(qPrintable(QStringLiteral("case %1: %2 from %3 to %4 counted %5, expected %6")
                                 .arg(i)
                                 .arg(describe(event))
                                 .arg(countDate.toString(Qt::ISODate), today.toString(Qt::ISODate))
                                 .arg(event.count)
                                 .arg(expected)));
        }
    }
}

// Events as a damaged or hand-made file may hold them: any schedule, any ordinal, every choice
// ticked or only the weekdays.
void addHostileRows(const QList<QPair<const char *, QDate>> &days, QDate today = QDate())
{
    const int schedules[] = {Singular, Weekly, Monthly, Yearly, -1, 4, 1000};
    const qint32 ordinals[] = {std::numeric_limits<qint32>::min(), -1, 0, 1, 5, 6, 400,
                               std::numeric_limits<qint32>::max()};
    for (const int schedule : schedules) {
        for (const qint32 ordinal : ordinals) {
            for (const auto &day : days) {
                Event all;
                all.schedule = ScheduleKind(schedule);
                all.ordinal = ordinal;
                all.date = day.second;
                all.weekdays.fill(true);
                all.months.fill(true);
                all.useDayNumber = true;
                all.wholeYear = true;
                Event weekdaysOnly = all;
                weekdaysOnly.months.fill(false);
                weekdaysOnly.useDayNumber = false;
                weekdaysOnly.wholeYear = false;

                const auto addRow = [&](const char *choices, const Event &event) {
                    QTestData &row =
                        QTest::addRow("schedule %d, ordinal %d, %s, %s", schedule, ordinal, choices, day.first);
                    row << event << day.second;
                    if (today.isValid())
                        row << today;
                };
                addRow("all on", all);
                addRow("weekdays only", weekdaysOnly);
            }
        }
    }
}

void TestEvent::nextOccurrenceTerminates_data()
{
    QTest::addColumn<Event>("event");
    QTest::addColumn<QDate>("from");

    addHostileRows({{"null", QDate()},
                    {"Julian day 1", QDate::fromJulianDay(1)},
                    {"2027", QDate(2027, 1, 13)},
                    {"Julian day 0xFFFFFFFF", QDate::fromJulianDay(0xFFFFFFFFll)},
                    {"first representable", representableEnd(false)},
                    {"last representable", representableEnd(true).addDays(-3)}});
}

// The Singular date is the start day too.
void TestEvent::nextOccurrenceTerminates()
{
    QFETCH(Event, event);
    QFETCH(QDate, from);

    const QDate next = event.nextOccurrence(from);
    if (event.schedule == Singular)
        QCOMPARE(next, event.date);
    else
        QVERIFY2(next.isNull() || next >= from, qPrintable(next.toString(Qt::ISODate)));
}

void TestEvent::advanceCountTerminates_data()
{
    QTest::addColumn<Event>("event");
    QTest::addColumn<QDate>("countDate");
    QTest::addColumn<QDate>("today");

    const QDate today(2027, 1, 13);
    addHostileRows(
        {{"null", QDate()}, {"2026", QDate(2026, 1, 1)}, {"Julian day 0xFFFFFFFF", QDate::fromJulianDay(0xFFFFFFFFll)}},
        today);
    // Thousands of years behind cost time in proportion; a few hundred show that the count ends.
    const QDate later = QDate::fromJulianDay(1).addYears(300);
    addHostileRows({{"Julian day 1, 300 years on", QDate::fromJulianDay(1)}}, later);

    // The slowest event a file can hold: about ninety occurrences a year since 4714 BC.
    Event worst;
    worst.schedule = Yearly;
    worst.weekdays.fill(true);
    worst.months.fill(true);
    worst.useDayNumber = true;
    worst.wholeYear = true;
    QTest::newRow("yearly, all on, from Julian day 1 to 2027") << worst << QDate::fromJulianDay(1) << today;
}

// The Singular date is the countDate too.
void TestEvent::advanceCountTerminates()
{
    QFETCH(Event, event);
    QFETCH(QDate, countDate);
    QFETCH(QDate, today);

    event.countDate = countDate;
    event.advanceCount(today);
    QVERIFY(event.count >= 0);
    QCOMPARE(event.countDate, today);
}

void TestEvent::checkEvent_data()
{
    QTest::addColumn<Event>("event");
    QTest::addColumn<int>("result");
    QTest::addColumn<QString>("message");

    const QString noName = QStringLiteral("Please enter a description of the event.");
    const QString noSchedule = QStringLiteral("Please select a reminder schedule.");
    const QString monthly5 = QStringLiteral("You cannot select a monthly repetition period greater than 5 week days.");
    const QString yearly5 =
        QStringLiteral("You cannot select a yearly repetition period greater than 5 weeks for a specific month.");
    const QString yearly31 =
        QStringLiteral("You cannot select a yearly repetition period greater than 31 days for a specific month.");
    const QString yearly52 = QStringLiteral("You cannot select a yearly repetition period greater than 52 weeks.");

    QTest::newRow("null name") << weekly().on(Qt::Monday).named(QString()).event() << int(MissingName) << noName;
    QTest::newRow("empty name") << singular(QDate(2027, 1, 1)).named(QLatin1String("")).event() << int(MissingName)
                                << noName;
    QTest::newRow("no name comes before the schedule")
        << monthly().nth(9).on(Qt::Monday).named(QString()).event() << int(MissingName) << noName;
    QTest::newRow("no name, schedule 12") << EventBuilder(12).named(QString()).event() << int(MissingName) << noName;
    QTest::newRow("a space is a name") << singular(QDate()).named(QStringLiteral(" ")).event() << int(Valid)
                                       << QString();

    QTest::newRow("singular without a date") << singular(QDate()).event() << int(Valid) << QString();
    QTest::newRow("schedule 12") << EventBuilder(12).event() << int(Valid) << QString();

    QTest::newRow("weekly without weekday") << weekly().event() << int(MissingSchedule) << noSchedule;
    QTest::newRow("weekly with Sunday") << weekly().on(Qt::Sunday).event() << int(Valid) << QString();
    QTest::newRow("weekly ignores month and day")
        << weekly().dayNumber(3).in(2).wholeYear().event() << int(MissingSchedule) << noSchedule;

    QTest::newRow("monthly 6th Monday") << monthly().nth(6).on(Qt::Monday).event() << int(MonthlyLimit) << monthly5;
    QTest::newRow("monthly 6th Monday or day 6")
        << monthly().dayNumber(6).on(Qt::Monday).event() << int(MonthlyLimit) << monthly5;
    QTest::newRow("monthly 5th Monday") << monthly().nth(5).on(Qt::Monday).event() << int(Valid) << QString();
    QTest::newRow("monthly day 6") << monthly().dayNumber(6).event() << int(Valid) << QString();
    QTest::newRow("monthly day 31") << monthly().dayNumber(31).event() << int(Valid) << QString();
    QTest::newRow("monthly nothing chosen") << monthly().nth(3).event() << int(MissingSchedule) << noSchedule;
    QTest::newRow("monthly ordinal 6, nothing chosen")
        << monthly().nth(6).event() << int(MissingSchedule) << noSchedule;
    QTest::newRow("monthly months and year do not count")
        << monthly().nth(2).in(5).wholeYear().event() << int(MissingSchedule) << noSchedule;

    QTest::newRow("yearly 6th Monday of June")
        << yearly().nth(6).on(Qt::Monday).in(6).event() << int(YearlyLimit) << yearly5;
    QTest::newRow("yearly 5th Monday of June")
        << yearly().nth(5).on(Qt::Monday).in(6).event() << int(Valid) << QString();
    QTest::newRow("yearly 40: weeks of a month come first")
        << yearly().dayNumber(40).on(Qt::Monday).in(6).wholeYear().event() << int(YearlyLimit) << yearly5;
    QTest::newRow("yearly day 40 of June") << yearly().dayNumber(40).in(6).event() << int(YearlyLimit) << yearly31;
    QTest::newRow("yearly day 32 of June or of the year")
        << yearly().dayNumber(32).in(6).wholeYear().event() << int(YearlyLimit) << yearly31;
    QTest::newRow("yearly day 31 of June") << yearly().dayNumber(31).in(6).event() << int(Valid) << QString();
    QTest::newRow("yearly 53rd Monday of the year")
        << yearly().nth(53).on(Qt::Monday).wholeYear().event() << int(YearlyLimit) << yearly52;
    QTest::newRow("yearly 53: day of a month before weeks of the year")
        << yearly().dayNumber(53).in(1).on(Qt::Monday).wholeYear().event() << int(YearlyLimit) << yearly5;
    QTest::newRow("yearly 53rd Monday or day 53 of the year")
        << yearly().dayNumber(53).on(Qt::Monday).wholeYear().event() << int(YearlyLimit) << yearly52;
    QTest::newRow("yearly 52nd Monday of the year")
        << yearly().nth(52).on(Qt::Monday).wholeYear().event() << int(Valid) << QString();
    QTest::newRow("yearly day 300 of the year")
        << yearly().dayNumber(300).wholeYear().event() << int(Valid) << QString();
    QTest::newRow("yearly day 1000 of the year")
        << yearly().dayNumber(1000).wholeYear().event() << int(Valid) << QString();
    QTest::newRow("yearly 60th Monday, nowhere")
        << yearly().nth(60).on(Qt::Monday).event() << int(MissingSchedule) << noSchedule;
    QTest::newRow("yearly day 40, nowhere") << yearly().dayNumber(40).event() << int(MissingSchedule) << noSchedule;
    QTest::newRow("yearly 6th of June, neither day nor weekday")
        << yearly().nth(6).in(6).event() << int(MissingSchedule) << noSchedule;
    QTest::newRow("yearly whole year only")
        << yearly().nth(2).wholeYear().event() << int(MissingSchedule) << noSchedule;
    QTest::newRow("yearly day 2, nowhere") << yearly().dayNumber(2).event() << int(MissingSchedule) << noSchedule;
    QTest::newRow("yearly 2nd Monday of the year")
        << yearly().nth(2).on(Qt::Monday).wholeYear().event() << int(Valid) << QString();
    QTest::newRow("yearly day 5 of March") << yearly().dayNumber(5).in(3).event() << int(Valid) << QString();
}

void TestEvent::checkEvent()
{
    QFETCH(Event, event);
    QFETCH(int, result);
    QFETCH(QString, message);

    QString shown;
    QCOMPARE(int(event.checkEvent(&shown)), result);
    QCOMPARE(shown, message);
    QCOMPARE(int(event.checkEvent()), result);
}

void TestEvent::validateEventMessageBox_data()
{
    QTest::addColumn<Event>("event");
    QTest::addColumn<int>("result");
    QTest::addColumn<QString>("message");

    QTest::newRow("no name") << weekly().on(Qt::Monday).named(QString()).event() << int(MissingName)
                             << QStringLiteral("Please enter a description of the event.");
    QTest::newRow("yearly limit") << yearly().dayNumber(40).in(6).event() << int(YearlyLimit)
                                  << QStringLiteral("You cannot select a yearly repetition period greater than 31 "
                                                    "days for a specific month.");
    QTest::newRow("valid: no box") << weekly().on(Qt::Monday).event() << int(Valid) << QString();
}

void TestEvent::validateEventMessageBox()
{
    QFETCH(Event, event);
    QFETCH(int, result);
    QFETCH(QString, message);

    // The box is modal: it is answered from inside its own event loop.
    BoxAnswerer answer;
    const ValidationResult actual = validateEvent(event);
    const QList<BoxAnswerer::Seen> boxes = answer.seen;

    QCOMPARE(int(actual), result);
    if (result == Valid) {
        QCOMPARE(boxes.size(), 0);
        return;
    }
    QCOMPARE(boxes.size(), 1);
    QCOMPARE(boxes[0].title, QStringLiteral("Enter Details"));
    QCOMPARE(boxes[0].text, message);
    QCOMPARE(boxes[0].icon, QMessageBox::Information);
    QCOMPARE(boxes[0].buttons, QMessageBox::StandardButtons(QMessageBox::Ok));
    QVERIFY(!boxes[0].hasParent);
}

Event fullEvent()
{
    Event e;
    e.name = QStringLiteral("Bin day");
    e.counted = true;
    e.count = 7;
    e.countDate = QDate(2027, 1, 4);
    e.schedule = Yearly;
    e.date = QDate(2027, 2, 1);
    e.weekdays[2] = true;
    e.useDayNumber = true;
    e.ordinal = 3;
    e.months[4] = true;
    e.wholeYear = true;
    e.notify = true;
    e.notifyDaysBefore = 2;
    e.showOnce = true;
    e.lastNotified = QDate(2027, 1, 3);
    e.snoozeDays = 4;
    return e;
}

// The store tests rely on == to see every field a file carries.
void TestEvent::equalitySeesEveryField_data()
{
    QTest::addColumn<Event>("base");
    QTest::addColumn<Event>("other");
    QTest::addColumn<bool>("equal");

    const Event base = fullEvent();
    const auto changed = [&base](const char *field, const std::function<void(Event &)> &change) {
        Event e = base;
        change(e);
        QTest::newRow(field) << base << e << false;
    };
    QTest::newRow("a copy") << base << base << true;
    changed("name", [](Event &e) { e.name = QStringLiteral("Bin Day"); });
    changed("empty name", [](Event &e) { e.name = QLatin1String(""); });
    changed("counted", [](Event &e) { e.counted = false; });
    changed("count", [](Event &e) { e.count = 8; });
    changed("countDate", [](Event &e) { e.countDate = QDate(); });
    changed("schedule", [](Event &e) { e.schedule = Monthly; });
    changed("date", [](Event &e) { e.date = e.date.addDays(1); });
    changed("weekdays", [](Event &e) { e.weekdays[6] = true; });
    changed("useDayNumber", [](Event &e) { e.useDayNumber = false; });
    changed("ordinal", [](Event &e) { e.ordinal = -3; });
    changed("months", [](Event &e) { e.months[11] = true; });
    changed("wholeYear", [](Event &e) { e.wholeYear = false; });
    changed("notify", [](Event &e) { e.notify = false; });
    changed("notifyDaysBefore", [](Event &e) { e.notifyDaysBefore = 0; });
    changed("showOnce", [](Event &e) { e.showOnce = false; });
    changed("lastNotified", [](Event &e) { e.lastNotified = e.lastNotified.addDays(-1); });
    changed("snoozeDays", [](Event &e) { e.snoozeDays = 0; });

    Event emptyName;
    emptyName.name = QLatin1String("");
    QTest::newRow("null name against empty name") << Event() << emptyName << false;
    QTest::newRow("two new events") << Event() << Event() << true;
}

void TestEvent::equalitySeesEveryField()
{
    QFETCH(Event, base);
    QFETCH(Event, other);
    QFETCH(bool, equal);

    QCOMPARE(base == other, equal);
    QCOMPARE(other == base, equal);
    QCOMPARE(base != other, !equal);
}

void TestEvent::ordinalSuffix_data()
{
    QTest::addColumn<int>("n");
    QTest::addColumn<QString>("text");

    QTest::newRow("1") << 1 << QStringLiteral("1st");
    QTest::newRow("2") << 2 << QStringLiteral("2nd");
    QTest::newRow("3") << 3 << QStringLiteral("3rd");
    QTest::newRow("4") << 4 << QStringLiteral("4th");
    QTest::newRow("10") << 10 << QStringLiteral("10th");
    QTest::newRow("11") << 11 << QStringLiteral("11th");
    QTest::newRow("12") << 12 << QStringLiteral("12th");
    QTest::newRow("13") << 13 << QStringLiteral("13th");
    QTest::newRow("21") << 21 << QStringLiteral("21st");
    QTest::newRow("22") << 22 << QStringLiteral("22nd");
    QTest::newRow("23") << 23 << QStringLiteral("23rd");
    QTest::newRow("101") << 101 << QStringLiteral("101st");
    QTest::newRow("111") << 111 << QStringLiteral("111th");
    QTest::newRow("112") << 112 << QStringLiteral("112th");
    QTest::newRow("113") << 113 << QStringLiteral("113th");
    QTest::newRow("1002") << 1002 << QStringLiteral("1002nd");
    QTest::newRow("0") << 0 << QStringLiteral("0th");
    QTest::newRow("-1") << -1 << QStringLiteral("-1th");
    QTest::newRow("-2") << -2 << QStringLiteral("-2th");
    QTest::newRow("-3") << -3 << QStringLiteral("-3th");
    QTest::newRow("-21") << -21 << QStringLiteral("-21th");
    QTest::newRow("int min") << std::numeric_limits<int>::min() << QStringLiteral("-2147483648th");
    QTest::newRow("int max") << std::numeric_limits<int>::max() << QStringLiteral("2147483647th");
}

void TestEvent::ordinalSuffix()
{
    QFETCH(int, n);
    QFETCH(QString, text);
    QCOMPARE(Event::ordinalSuffix(n), text);
}

void TestEvent::daysRemaining_data()
{
    QTest::addColumn<Event>("event");
    QTest::addColumn<QDate>("today");
    QTest::addColumn<qint64>("expected");

    const QDate wed6Jan(2027, 1, 6);
    QTest::newRow("weekly on the day") << weekly().on(Qt::Wednesday).event() << wed6Jan << 0ll;
    QTest::newRow("weekly, next day") << weekly().on(Qt::Monday).on(Qt::Thursday).event() << wed6Jan << 1ll;
    QTest::newRow("monthly, next month") << monthly().dayNumber(15).event() << QDate(2027, 1, 20) << 26ll;
    QTest::newRow("singular on the day") << singular(wed6Jan).event() << wed6Jan << 0ll;
    QTest::newRow("singular in the past") << singular(QDate(2026, 12, 25)).event() << wed6Jan << -12ll;
    QTest::newRow("singular without a date") << singular(QDate()).event() << wed6Jan << -wed6Jan.toJulianDay();
    QTest::newRow("weekly, nothing ticked") << weekly().event() << wed6Jan << -wed6Jan.toJulianDay();
    QTest::newRow("schedule 5") << EventBuilder(5).everyWeekday().event() << wed6Jan << -wed6Jan.toJulianDay();
}

void TestEvent::daysRemaining()
{
    QFETCH(Event, event);
    QFETCH(QDate, today);
    QFETCH(qint64, expected);

    QCOMPARE(qint64(::daysRemaining(event, today)), expected);
    QCOMPARE(dayDistance(today, event.nextOccurrence(today)), expected);
}

void TestEvent::daysRemainingReadsClock()
{
    const TestClock clock(QDateTime(QDate(2027, 1, 6), QTime(0, 0, 1)));
    QCOMPARE(::daysRemaining(weekly().on(Qt::Friday).event()), 2);
    QCOMPARE(::daysRemaining(singular(QDate(2027, 1, 1)).event()), -5);
}

QTEST_MAIN(TestEvent)
#include "tst_event.moc"
