// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "model/event.h"

#include <QRandomGenerator>

namespace TestHelpers {

bool chance(QRandomGenerator &rng, int percent);

// Any day between 1700 and 2400, often one next to the turn of a month.
QDate randomDay(QRandomGenerator &rng);

// An event of the given kind with a random set of choices and an ordinal the choices allow.
// Fields the kind does not read are filled with noise: they must not matter.
Event randomEvent(QRandomGenerator &rng, ScheduleKind kind);

// Anything a file can hold in every field: edge integers, null and far dates, names of lone
// surrogates, now and then longer than the reader's and writer's blocks.
Event anyEvent(QRandomGenerator &rng);

} // namespace TestHelpers
