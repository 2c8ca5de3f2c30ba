// SPDX-License-Identifier: GPL-3.0-or-later
#include "interop/icalreader.h"

// Placeholder until the reader is written.
ImportReport readICalendar(const QByteArray &, const Preferences &, QDate)
{
    return {};
}
