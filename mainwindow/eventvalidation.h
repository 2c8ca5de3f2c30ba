// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "model/event.h"

// Checks an event the editor has just filled in; on failure tells the user in a message box.
ValidationResult validateEvent(const Event &event);
