// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "model/event.h"
#include "model/preferences.h"

#include <QByteArray>
#include <QDate>
#include <QString>

// A whole calendar resource (VCALENDAR with one VEVENT) of `event` for a sync: the export's VEVENT
// plus every field of the event, reminder state included, so that every machine gets it exactly.
// A repeating event starts on its first day on or after a fixed day, so an unchanged event gives
// the same resource every day. Empty when the event has no date to give.
QByteArray syncResource(const Event &event, const QString &uid);
// Whether syncResource gives the event a resource, without making it.
bool hasSyncResource(const Event &event);

// A resource larger than this is another client's item, never read.
constexpr int ResourceSizeLimit = 1024 * 1024;

// The event a sync resource states, or null with `reason` (another client's item Oriventa cannot
// state, or one larger than ResourceSizeLimit). `uid` receives its UID; `carriesAll` whether it carries every field
// (written by a sync) rather than only what any calendar says (a phone's event, with `defaults` for the rest).
Event *eventFromResource(const QByteArray &data, QDate today, const Preferences &defaults, QString *uid,
                         QString *reason, bool *carriesAll = nullptr);

// The event as its sync resource gives it back: a title loses its outer spaces.
Event syncedForm(const Event &event);
