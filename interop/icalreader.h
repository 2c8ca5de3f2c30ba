// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "interop/importreport.h"
#include "model/preferences.h"

#include <QByteArray>
#include <QDate>

// The events of an iCalendar file: each VEVENT whose dates our rules state exactly becomes one
// event; everything else is named in the report with the reason.
ImportReport readICalendar(const QByteArray &data, const Preferences &defaults, QDate today);
