// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "model/eventsfile.h"

#include "model/event.h"

#include <QByteArray>
#include <QDate>
#include <QString>

#include <vector>

// One event as `list` and `due` show it: only what they show, since a long list is sorted.
struct ListedEvent
{
    QString name;
    QDate next;            // null when the event has no coming occurrence
    int daysRemaining = 0; // from today to `next`
    ScheduleKind schedule = Singular;
    bool counted = false;
    qint32 count = 0; // brought up to today
    bool notify = false;
    qint32 notifyDaysBefore = 0;
    QString sentence; // `due` only: the reminder's sentence
};
using Listing = std::vector<ListedEvent>;

// The events of the events file at `path` whose next occurrence is at most `days` days away (all
// of them when `days` is negative), by date then name; those without a coming occurrence last,
// by name. The file is looked through without keeping the events that are left out. The answer
// says what the file was: Unreadable (with `reason`) lists nothing; a missing file is an empty
// list; a damaged one gives the events before the damage.
EventsFile::State listEvents(const QString &path, QDate today, int days, Listing &listing, QString *reason);

// The events that an auto start would show today, in the order it shows them (the file's), each
// with its sentence. Nothing is written: the count advanced for the sentence is not saved.
EventsFile::State dueEvents(const QString &path, QDate today, Listing &listing, QString *reason);

// A text as a terminal is to show it: control characters (C0 but the line break, DEL, C1) and the
// bidirectional embeddings, overrides and isolates become escapes ("\x1b", "\u202e"), so that a
// name can neither steer the terminal nor turn a line around. Every plain output passes through it.
QString terminalText(const QString &text);

// One line per event: "YYYY-MM-DD  DAYS  NAME" with the date in 10 columns, the days right-aligned
// in 5 and the name from column 19 ("-" for date and days without a coming occurrence). The date is
// the default locale's short one when that speaks another language than English.
QByteArray listText(const Listing &listing);
// One reminder sentence per line.
QByteArray dueText(const Listing &listing);
// A JSON array of objects with "name", "next", "daysRemaining", "schedule", "counted", "count",
// "notify" and "notifyDaysBefore".
QByteArray listJson(const Listing &listing);
