// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "model/eventstore.h"

#include <QDate>
#include <QString>

// A seeded, realistic mix of events for measurements, and the same events in `remind` syntax.
// About 40% yearly birthdays on a day of a month, 20% weekly on one to three weekdays, 20% monthly
// on day N, 10% monthly on the Nth weekday, 10% one-off dates; warnings of 0 to 14 days; day
// numbers 1..28 so that both programs judge the same rules.
struct EventMixOptions
{
    int count = 1000;
    quint32 seed = 1;
    QDate today;
    // Redraws every event that would be due on `today`.
    bool nothingDue = false;
};

EventStore makeEventMix(const EventMixOptions &options);

// One REM line per event: the message is the event's name.
QString remindLine(const Event &event);
