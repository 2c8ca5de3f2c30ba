// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QDate>
#include <QDateTime>

#include <functional>

// The one place the date rules learn what day it is. Production reads the system clock;
// tests install their own source so that "today" is fixed.
namespace Clock {

QDateTime now();
QDate today();

// Replaces the time source; an empty function restores the system clock.
void setSource(std::function<QDateTime()> source);

} // namespace Clock
