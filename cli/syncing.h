// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "cli/arguments.h"
#include "cli/transfer.h"

// One sync of the events file with the CalDAV calendar, as "Sync now" runs it, holding the
// single-instance lock. --url (without its user info) and --user are saved once a sync with them
// succeeded; the password comes from the address, one line of standard input or the secret store. It runs
// until done, its progress shown on standard error when that is a terminal. The summary goes to `out`
// (not with --quiet), the reason of a failure to `err`.
Outcome syncList(const Request &request, QString &out, QString &err);
