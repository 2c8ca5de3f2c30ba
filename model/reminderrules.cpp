// SPDX-License-Identifier: GPL-3.0-or-later
#include "model/reminderrules.h"

#include "model/eventstore.h"

#include <QCoreApplication>
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
    const QString date = QLocale().toString(next, QLocale::LongFormat);
    // The name stands apart, so that the item can shorten it alone: the sentence is translated
    // whole with a mark in the name's place, and cut there. No date or ordinal holds the mark.
    const QString mark(QChar::ObjectReplacementCharacter);
    QString whole;
    if (event.counted) {
        event.advanceCount(today);
        // Today's occurrence is already counted; one still ahead is the next number.
        const int number = event.count + (days > 0 ? 1 : 0);
        //: A reminder. %1 is an ordinal number ("5th"), %2 the event's name, %3 the date of its next
        //: occurrence in the long format, %n the days until then (0 on the day itself).
        whole = QCoreApplication::translate("Reminder", "The %1 event of %2 is on %3 there are %n days to go.", nullptr,
                                            days)
                    .arg(Event::ordinalSuffix(number), mark, date);
    } else {
        //: A reminder. %1 is the event's name, %2 the date of its next occurrence in the long format,
        //: %n the days until then (0 on the day itself).
        whole = QCoreApplication::translate("Reminder", "%1 is on %2 there are %n days to go.", nullptr, days)
                    .arg(mark, date);
    }
    SentenceParts parts;
    const int at = whole.indexOf(mark);
    parts.before = at < 0 ? whole : whole.left(at);
    parts.name = at < 0 ? QString() : event.name;
    parts.after = at < 0 ? QString() : whole.mid(at + 1);
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
