// SPDX-License-Identifier: GPL-3.0-or-later
#include "notify/logging.h"

// Info and up by default: a background run writes to the journal only what is worth reading there.
Q_LOGGING_CATEGORY(lcNotify, "oriventa.notify", QtInfoMsg)
