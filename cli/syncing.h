// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "cli/arguments.h"
#include "cli/transfer.h"

// One sync of the events file with the CalDAV calendar, as "Sync now" runs it, holding the
// single-instance lock. --url and --user are saved first; the password comes from one line of
// standard input or the secret store. The summary goes to `out`, the reason of a failure to `err`.
Outcome syncList(const Request &request, QString &out, QString &err);
