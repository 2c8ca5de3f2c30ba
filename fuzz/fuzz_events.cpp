// SPDX-License-Identifier: GPL-3.0-or-later
// The events-file reader: any bytes load without crash or runaway memory, and what loads saves
// and loads again to the same events (not to the same bytes: any non-zero flag byte reads as true).
#include "model/eventstore.h"

#include <QBuffer>

#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    QByteArray bytes(reinterpret_cast<const char *>(data), int(size));
    QBuffer in(&bytes);
    in.open(QIODevice::ReadOnly);
    LoadStatus status = LoadStatus::Missing;
    const EventStore events = loadEvents(in, &status);

    QByteArray saved;
    QBuffer out(&saved);
    out.open(QIODevice::WriteOnly);
    if (!saveEvents(events, out))
        std::abort();
    out.close();
    out.open(QIODevice::ReadOnly);
    LoadStatus again = LoadStatus::Missing;
    const EventStore reloaded = loadEvents(out, &again);
    if (again != LoadStatus::Complete || reloaded.size() != events.size())
        std::abort();
    for (int i = 0; i < events.size(); ++i)
        if (!(*events[i] == *reloaded[i]))
            std::abort();
    qDeleteAll(events);
    qDeleteAll(reloaded);
    return 0;
}
