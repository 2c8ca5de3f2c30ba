// SPDX-License-Identifier: GPL-3.0-or-later
#include "model/reminderrules.h"

#include "model/eventstore.h"

#include <QLocale>

namespace ReminderRules {

int daysToGo(const Event &event, QDate today)
{
    return daysRemaining(event, today);
}

bool isDue(const Event &event, QDate today)
{
    return isDue(event, CalendarDay(today));
}

bool isDue(const Event &event, const CalendarDay &today)
{
    if (!event.notify)
        return false;
    const QDate next = event.nextOccurrence(today);
    if (next.isNull() || next < today.date)
        return false;
    // A null lastNotified counts as long past.
    if (event.lastNotified == today.date && event.showOnce)
        return false;
    if (today.date.daysTo(next) > event.notifyDaysBefore)
        return false;
    return event.lastNotified.isNull() || event.lastNotified.daysTo(today.date) >= event.snoozeDays;
}

bool anyDue(const QString &eventsPath, QDate today)
{
    const CalendarDay day(today);
    return findEvent(eventsPath, [&day](const Event &event) { return isDue(event, day); });
}

QString sentence(Event &event, QDate today)
{
    return sentenceParts(event, today).text();
}

SentenceParts sentenceParts(Event &event, QDate today)
{
    const QDate next = event.nextOccurrence(today);
    const int days = daysToGo(event, today);
    SentenceParts parts;
    if (event.counted) {
        event.advanceCount(today);
        // Today's occurrence is already counted; one still ahead is the next number.
        const int number = event.count + (days > 0 ? 1 : 0);
        parts.before = QStringLiteral("The ") + Event::ordinalSuffix(number) + QStringLiteral(" event of ");
    }
    parts.name = event.name;
    parts.after = QStringLiteral(" is on ") + QLocale::system().toString(next, QLocale::LongFormat);
    if (days == 1)
        parts.after += QStringLiteral(" there is 1 day to go.");
    else
        parts.after += QStringLiteral(" there are ") + QString::number(days) + QStringLiteral(" days to go.");
    return parts;
}

void markShown(Event &event, QDate today)
{
    event.lastNotified = today;
    event.snoozeDays = 0;
}

void applyChoice(Event &event, Choice choice, int againDays, QDate today)
{
    switch (choice) {
    case Choice::Again:
        event.snoozeDays = againDays;
        break;
    case Choice::UntilNext:
        event.snoozeDays = daysToGo(event, today) + 1;
        break;
    case Choice::Never:
        event.notify = false;
        break;
    }
}

Selection selectionFor(const Event &event, QDate today)
{
    if (!event.notify)
        return {Choice::Never, 0};
    if (event.snoozeDays > daysToGo(event, today))
        return {Choice::UntilNext, 0};
    return {Choice::Again, event.snoozeDays};
}

} // namespace ReminderRules
