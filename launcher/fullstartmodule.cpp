// SPDX-License-Identifier: GPL-3.0-or-later
// The entry point of liboriventa-full.so, which the program loads after the fast path.
#include "app/instancelock.h"
#include "launcher/fullstart.h"
#include "launcher/launcher.h"

#include <QtGlobal>

#include <type_traits>

extern "C" Q_DECL_EXPORT int oriventaFullStart(int argc, char *argv[], FastPath::Answer early, InstanceLock *lock)
{
    return Launcher::runFull(argc, argv, early, std::unique_ptr<InstanceLock>(lock));
}

// Checked here, where both are seen: the program calls this function through FullStart::Entry.
static_assert(std::is_same_v<decltype(&oriventaFullStart), FullStart::Entry>);
