// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "model/event.h"
#include "model/preferences.h"

#include <KCalendarCore/Event>
#include <KCalendarCore/Incidence>
#include <KCalendarCore/RecurrenceRule>

#include <QByteArray>
#include <QDate>
#include <QString>

// One of our events as one all-day VEVENT and back, for files and for calendars on a server.

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

// The event a VEVENT states, or null with `reason` saying why it has none. `defaults` stand in
// for the reminder wishes the VEVENT does not carry.
Event *fromVEvent(const KCalendarCore::Incidence &incidence, const Preferences &defaults, QDate today, QString *reason);

// A whole calendar resource (VCALENDAR with one VEVENT) of `event` for a sync: the export's VEVENT
// plus every field of the event, reminder state included, so that every machine gets it exactly.
// A repeating event starts on its first day on or after a fixed day, so an unchanged event gives
// the same resource every day. Empty when the event has no date to give.
QByteArray syncResource(const Event &event, const QString &uid);
// Whether syncResource gives the event a resource, without making it.
bool hasSyncResource(const Event &event);

// The event a sync resource states, or null with `reason` (another client's item Oriventa cannot
// state). `uid` receives its UID; `carriesAll` whether it carries every field (written by a sync)
// rather than only what any calendar says (a phone's event, with `defaults` for the rest).
Event *eventFromResource(const QByteArray &data, QDate today, const Preferences &defaults, QString *uid,
                         QString *reason, bool *carriesAll = nullptr);

// The event as its sync resource gives it back: a title loses its outer spaces.
Event syncedForm(const Event &event);
