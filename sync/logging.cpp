// SPDX-License-Identifier: GPL-3.0-or-later
#include "sync/logging.h"

// Info and up by default: a background run writes to the journal only what is worth reading there.
Q_LOGGING_CATEGORY(lcSync, "oriventa.sync", QtInfoMsg)
