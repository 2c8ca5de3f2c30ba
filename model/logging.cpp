// SPDX-License-Identifier: GPL-3.0-or-later
#include "model/logging.h"

// Info and up by default: a background run writes to the journal only what is worth reading there.
Q_LOGGING_CATEGORY(lcModel, "oriventa.model", QtInfoMsg)
