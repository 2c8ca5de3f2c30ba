// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "model/event.h"
#include "model/preferences.h"

#include <QDate>
#include <QString>

// Events an import makes, with the import defaults of the settings page and a reminder state
// that has shown nothing yet.
void applyImportDefaults(Event &event, const Preferences &preferences, QDate today);

// A yearly event named `title` on day `day` of month `month`. With a year (not 0) it is counted:
// the count is the number of years at the last occurrence on or before today.
Event *yearlyDayEvent(const QString &title, int month, int day, int year, const Preferences &preferences, QDate today);

// "<name>'s Birthday" in the user's language: the name of every birthday an import makes.
QString birthdayTitle(const QString &name);
// A friend's birthday from the social network, "MM/dd" or "MM/dd/yyyy": a yearly event named
// "<name>'s Birthday", counted when the year is known.
Event *birthdayEvent(const QString &name, const QString &dateText, const Preferences &preferences, QDate today);
// One of the user's events, its start time an ISO 8601 date-time: a one-off event on that date.
Event *socialEvent(const QString &name, const QString &dateText, const Preferences &preferences, QDate today);
