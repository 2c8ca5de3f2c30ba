// SPDX-License-Identifier: GPL-3.0-or-later
// The birthday and start-time texts of a social-network import become events on any text.
#include "interop/importedevents.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const QString text = QString::fromUtf8(reinterpret_cast<const char *>(data), int(size));
    const QDate today(2027, 1, 13);
    Preferences preferences;
    for (Event *event : {birthdayEvent(QStringLiteral("A"), text, preferences, today),
                         socialEvent(QStringLiteral("B"), text, preferences, today)}) {
        // The rules must cope with whatever the texts gave.
        event->nextOccurrence(today);
        event->checkEvent();
        delete event;
    }
    return 0;
}
