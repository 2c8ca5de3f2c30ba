// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "app/identity.h"

#include <QStringList>

namespace Startup {

// The command line as text, the program's name first.
QStringList arguments(int argc, char *argv[]);

// True when the first argument is exactly "auto".
bool isAutoMode(const QStringList &arguments);

} // namespace Startup
