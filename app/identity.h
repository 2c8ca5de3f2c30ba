// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

namespace Startup {

// Sets the version, organisation and application names that decide where data, settings and the
// single-instance lock live. Without widgets, so the command-line tool shares it with the program.
void setApplicationIdentity();

} // namespace Startup
