// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "sync/sync.h"

// A sync nobody asked for (a window opening or closing, an auto start): it runs only when sync is
// set up and a password is at hand without asking, and its failures show only in the log (a warning
// of oriventa.sync). `outcome` (may be null) receives what it did; false when it did not run or failed.
bool syncUnasked(const QString &eventsPath, const QString &password = QString(), SyncOutcome *outcome = nullptr,
                 const SyncOptions &options = SyncOptions());
