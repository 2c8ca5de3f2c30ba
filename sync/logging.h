// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QLoggingCategory>

// The sync's log: the failures of syncs nobody asked for, which say nothing elsewhere.
// Info and warnings show by default; debug lines only when asked for
// (QT_LOGGING_RULES="oriventa.sync.debug=true").
Q_DECLARE_LOGGING_CATEGORY(lcSync)
