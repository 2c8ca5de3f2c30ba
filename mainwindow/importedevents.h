// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "app/preferences.h"
#include "model/event.h"

#include <QDate>
#include <QString>

// The events a social-network import makes, with the import defaults of the settings page.
// A friend's birthday, "MM/dd" or "MM/dd/yyyy": a yearly event, counted when the year is known.
Event *birthdayEvent(const QString &name, const QString &dateText, const Preferences &preferences, QDate today);
// One of the user's events, its start time an ISO 8601 date-time: a one-off event on that date.
Event *socialEvent(const QString &name, const QString &dateText, const Preferences &preferences, QDate today);
