// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "launcher/fastpath.h"

#include <memory>

class InstanceLock;

// The start of the program beyond the fast path. It builds the windows, so it sits above them
// rather than in the application-shell library that the windows build on. The program itself
// loads it from a library of its own (fullstart.h); programs that link it run the whole start here.
namespace Launcher {

// The whole start in this process: FastPath::start with runFull.
int run(int argc, char *argv[]);

// The start after the fast path answered `early` (not EndNow), with the lock it took, if any.
int runFull(int argc, char *argv[], FastPath::Answer early, std::unique_ptr<InstanceLock> lock);

} // namespace Launcher
