// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QLoggingCategory>

// The notification client's log: what the desktop's notification service refused.
// Info and warnings show by default; debug lines only when asked for
// (QT_LOGGING_RULES="oriventa.notify.debug=true").
Q_DECLARE_LOGGING_CATEGORY(lcNotify)
