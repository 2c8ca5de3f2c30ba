// SPDX-License-Identifier: GPL-3.0-or-later
// The sync state reader on any bytes: what it keeps is consistent, or it keeps nothing.
#include "sync/syncstate.h"

#include <QSet>

#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const SyncState state = parseSyncState(QByteArray(reinterpret_cast<const char *>(data), int(size)));
    QSet<QString> hrefs;
    for (auto it = state.items.cbegin(); it != state.items.cend(); ++it) {
        if (it.key().isEmpty() || it->href.isEmpty() || hrefs.contains(it->href))
            std::abort();
        hrefs.insert(it->href);
    }
    return 0;
}
