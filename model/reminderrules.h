// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "model/event.h"

#include <QDate>
#include <QString>

// What the reminder window decides and writes, kept apart from its widgets.
namespace ReminderRules {

// Days from today to the event's next occurrence on or after today.
int daysToGo(const Event &event, QDate today);

// Whether the event is to be put before the user today.
bool isDue(const Event &event, QDate today);
bool isDue(const Event &event, const CalendarDay &today);

// Whether any event of an events file is due, looked up without keeping the events: the auto start
// asks this first so that a start with nothing due builds no window at all.
bool anyDue(const QString &eventsPath, QDate today);

// The sentence of a reminder: "The 5th event of Choir is on <date> there are 3 days to go."
// For a counted event this first brings the count up to date.
QString sentence(Event &event, QDate today);

// The same sentence around the event's name, so that a window short of room can shorten the name
// and keep the date and the days to go whole.
struct SentenceParts
{
    QString before;
    QString name;
    QString after;

    QString text() const { return before + name + after; }
};
SentenceParts sentenceParts(Event &event, QDate today);

// What showing a reminder writes into the event.
void markShown(Event &event, QDate today);

enum class Choice
{
    Again,
    UntilNext,
    Never
};

// Writes the user's answer into the event; `againDays` is used by Choice::Again.
void applyChoice(Event &event, Choice choice, int againDays, QDate today);

// The answer to show when the options open again, read back from the event.
struct Selection
{
    Choice choice;
    int againDays;
};
Selection selectionFor(const Event &event, QDate today);

} // namespace ReminderRules
