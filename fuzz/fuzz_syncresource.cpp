// SPDX-License-Identifier: GPL-3.0-or-later
// A calendar resource from a sync server on any bytes: the event it states, and that event's own
// resource made and read again.
#include "sync/syncresource.h"

#include <memory>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const QByteArray bytes(reinterpret_cast<const char *>(data), int(size));
    const QDate today(2027, 1, 13);
    QString uid;
    std::unique_ptr<Event> event(eventFromResource(bytes, today, Preferences(), &uid, nullptr));
    if (!event)
        return 0;
    event->nextOccurrence(today);
    if (hasSyncResource(*event))
        delete eventFromResource(syncResource(*event, QStringLiteral("fuzz")), today, Preferences(), &uid, nullptr);
    return 0;
}
