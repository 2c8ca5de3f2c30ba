// SPDX-License-Identifier: GPL-3.0-or-later
#include "launcher/fastpath.h"

#include "app/autostart.h"
#include "app/instancelock.h"
#include "app/startup.h"
#include "ferrule/updater.h"
#include "model/clock.h"
#include "model/eventstore.h"
#include "model/reminderrules.h"
#include "sync/sync.h"

namespace FastPath {

Answer decide(int argc, char *argv[], std::unique_ptr<InstanceLock> &lock)
{
    const QStringList arguments = Startup::arguments(argc, argv);
    if (!Startup::isAutoMode(arguments))
        return Answer::FullStart;
    // With automatic checks on, the check runs in the application's event loop: a full start.
    // Off (the default), asking for it does nothing, so it has been asked before the test below.
    if (Ferrule::getUpdater()->autoRun())
        return Answer::FullStart;
    lock = std::make_unique<InstanceLock>();
    if (lock->isHeldElsewhere())
        return Answer::EndNow;
    const QDateTime now = Clock::now();
    if (!AutoStart::isHeldBack(arguments, now)) {
        // The file may be behind the server: the full start syncs it before the test.
        if (readSyncSettings().isConfigured())
            return Answer::FullStart;
        if (ReminderRules::anyDue(eventsFilePath(), now.date()))
            return Answer::SomethingDue;
    }
    // Nothing is shown; the start is recorded as a full one records it.
    AutoStart::run(arguments, now, [] { return false; });
    return Answer::EndNow;
}

} // namespace FastPath
