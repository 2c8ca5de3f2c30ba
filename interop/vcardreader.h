// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "interop/importreport.h"
#include "model/preferences.h"

#include <QByteArray>
#include <QDate>

// Birthdays and anniversaries of the contacts of a vCard file (2.1, 3.0 or 4.0), as yearly
// events with the import defaults.
ImportReport readVCards(const QByteArray &data, const Preferences &defaults, QDate today);
