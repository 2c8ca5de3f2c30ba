// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "launcher/fastpath.h"

#include <memory>

class InstanceLock;

// The program's start beyond the fast path (the windows, the notifications, the sync) lives in a
// library of its own, liboriventa-full.so, which the program loads only when the fast path did not
// end the start: the frequent start with nothing due then loads Qt Core alone, not the dozens of
// libraries behind the windows and the network.
namespace FullStart {

// The library's entry point, by this C name: Launcher::runFull, taking over `lock` (may be null).
using Entry = int (*)(int argc, char *argv[], FastPath::Answer early, InstanceLock *lock);
inline constexpr char EntryName[] = "oriventaFullStart";
inline constexpr char LibraryName[] = "liboriventa-full.so";

// Loads the library, beside the program (the build tree) or in the program's private library
// directory (an installation), and runs its entry. When it cannot be loaded, says why on standard
// error and answers 1.
int loadAndRun(int argc, char *argv[], FastPath::Answer early, std::unique_ptr<InstanceLock> lock);

} // namespace FullStart
