// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QLoggingCategory>

// The launcher's log: why a start showed what it showed, or ended.
// Info and warnings show by default; debug lines only when asked for
// (QT_LOGGING_RULES="oriventa.launcher.debug=true").
Q_DECLARE_LOGGING_CATEGORY(lcLauncher)
