// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "model/event.h"

#include <QString>

// The chosen weekdays, Monday first: "Monday, Wednesday".
QString weekdayListText(const Event &event);
// "the Year" when the whole year is chosen, then the chosen months: "the Year, March".
QString monthListText(const Event &event);
// The weekday list with "Day" in front when the day number is chosen: "Day, Monday".
QString dayListText(const Event &event);
