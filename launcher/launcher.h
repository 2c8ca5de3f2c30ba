// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The whole start of the program, as main() runs it. It builds the windows, so it sits above them
// rather than in the application-shell library that the windows build on.
namespace Launcher {

int run(int argc, char *argv[]);

} // namespace Launcher
