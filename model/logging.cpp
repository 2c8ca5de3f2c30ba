// SPDX-License-Identifier: GPL-3.0-or-later
#include "model/logging.h"

Q_LOGGING_CATEGORY(lcModel, "oriventa.model")
