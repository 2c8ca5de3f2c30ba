// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "model/event.h"
#include "model/preferences.h"

#include <KCalendarCore/Alarm>
#include <KCalendarCore/Event>
#include <KCalendarCore/Incidence>
#include <KCalendarCore/RecurrenceRule>

#include <QByteArray>
#include <QDate>
#include <QString>

// One of our events as one all-day VEVENT and back, for files and for calendars on a server.

// What iCalendar cannot say about an event travels in properties of our own.
namespace OwnProperty {

extern const QByteArray rule; // our exact rule, see readRuleText
extern const QByteArray count;
extern const QByteArray countDate;
extern const QByteArray notify;
extern const QByteArray notifyDays;
extern const QByteArray showOnce;

} // namespace OwnProperty

struct VEventExport
{
    KCalendarCore::Event::Ptr vevent; // null when the event has no date to give
    QString inexact;                  // not empty: the rule written is the closest, this says how it differs
    QString skipped;                  // not empty: why nothing was made
};

// The VEVENT of `event`, dated on its date or its first occurrence on or after `today`.
VEventExport toVEvent(const Event &event, QDate today);

// Fills `rule` with the RRULE closest to the repeating rule of `event` (not Singular); the
// result is empty when the RRULE states the rule exactly, else says how it differs.
QString describeRule(const Event &event, KCalendarCore::RecurrenceRule &rule);

// Which of our own exact rules fromVEvent takes back: from a file only those the editor could have
// made (the text may come from anyone); in a sync every rule an events file may hold, as it was.
enum class OwnRules
{
    EditorMade,
    Any
};

// The event a VEVENT states, or null with `reason` saying why it has none. `defaults` stand in
// for the reminder wishes the VEVENT does not carry.
Event *fromVEvent(const KCalendarCore::Incidence &incidence, const Preferences &defaults, QDate today, QString *reason,
                  OwnRules ownRules = OwnRules::EditorMade);

// Reads the text of OwnProperty::rule into the rule fields of `event`; false when it is not one.
bool readRuleText(const QString &text, Event &event);

// Days before the start of the earliest reminder that counts from the start; -1 without one.
int alarmDaysBefore(const KCalendarCore::Alarm::List &alarms);
