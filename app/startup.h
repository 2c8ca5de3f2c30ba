// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QStringList>

namespace Startup {

// Sets the version, organisation and application names that decide where data and settings live.
void setApplicationIdentity();

// The command line as text, the program's name first.
QStringList arguments(int argc, char *argv[]);

// True when the first argument is exactly "auto".
bool isAutoMode(const QStringList &arguments);

} // namespace Startup
