// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QLoggingCategory>

// The core's log: the events file's troubles, which unattended starts cannot show to anyone.
Q_DECLARE_LOGGING_CATEGORY(lcModel)
