// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QDate>
#include <QMetaType>
#include <QString>

#include <array>

enum ScheduleKind : qint32
{
    Singular = 0,
    Weekly = 1,
    Monthly = 2,
    Yearly = 3
};

enum ValidationResult
{
    Valid = 0,
    MissingName = 1,
    MonthlyLimit = 2,
    YearlyLimit = 3,
    MissingSchedule = 4
};

// Distance in days returned by the monthly and yearly rules when nothing they look at applies.
constexpr int NoOccurrence = 32000;

// A day with its year, month and day worked out once. Splitting a Julian day costs more than the
// schedule rules themselves, and a look through a file asks them about the same day for every event.
struct CalendarDay
{
    CalendarDay() = default;
    explicit CalendarDay(QDate d);

    QDate date;
    qint64 julianDay = 0; // 0 for the null date
    int year = 0;
    int month = 0;
    int day = 0;
};

// One dated event. The fields are stored in the events file in exactly this order.
class Event
{
public:
    QString name;
    bool counted = false;
    qint32 count = 0;
    QDate countDate;
    ScheduleKind schedule = Singular;
    QDate date;
    std::array<bool, 7> weekdays{}; // Monday first
    bool useDayNumber = false;
    qint32 ordinal = 0;
    std::array<bool, 12> months{}; // January first
    bool wholeYear = false;
    bool notify = false;
    qint32 notifyDaysBefore = 0;
    bool showOnce = false;
    QDate lastNotified;
    qint32 snoozeDays = 0;

    // First day on or after `from` on which the event occurs; a Singular event answers its own
    // date even when it has passed.
    QDate nextOccurrence(QDate from) const;
    QDate nextOccurrence(const CalendarDay &from) const;

    // Brings count and countDate up to today (or the given day).
    void advanceCount();
    void advanceCount(QDate today);

    bool hasWeekday() const;
    bool hasMonth() const;

    // Checks an event the editor has just filled in; on failure `message` receives the text to show
    // the user (the main window's validateEvent shows it in a message box).
    ValidationResult checkEvent(QString *message = nullptr) const;

    static QString ordinalSuffix(int n);
};

bool operator==(const Event &a, const Event &b);
inline bool operator!=(const Event &a, const Event &b)
{
    return !(a == b);
}

// Days from `from` to `to` counting a null date as day number 0, so a null date lies far in the
// past (QDate::daysTo would answer 0 for it).
qint64 dayDistance(QDate from, QDate to);

// Days from today to the next occurrence on or after today: 0 on the day itself, negative when
// there is no coming occurrence.
int daysRemaining(const Event &event);
int daysRemaining(const Event &event, QDate today);

Q_DECLARE_METATYPE(Event *)
