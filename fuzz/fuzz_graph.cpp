// SPDX-License-Identifier: GPL-3.0-or-later
// The Graph reply readers on any body: both lists always stay parallel.
#include "social/graphreply.h"

#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const QByteArray body(reinterpret_cast<const char *>(data), int(size));
    for (auto parse : {parseFriendsReply, parseEventsReply}) {
        QStringList names;
        QStringList dates;
        QString errors;
        const bool parsed = parse(body, names, dates, errors);
        if (names.size() != dates.size() || (!parsed && !names.isEmpty()))
            std::abort();
    }
    return 0;
}
