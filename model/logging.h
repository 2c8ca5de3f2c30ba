// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QLoggingCategory>

// The model's log: files and folders it could not make as intended.
// Info and warnings show by default; debug lines only when asked for
// (QT_LOGGING_RULES="oriventa.model.debug=true").
Q_DECLARE_LOGGING_CATEGORY(lcModel)
