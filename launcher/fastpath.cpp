// SPDX-License-Identifier: GPL-3.0-or-later
#include "launcher/fastpath.h"

#include "app/autostart.h"
#include "app/identity.h"
#include "app/instancelock.h"
#include "app/startup.h"
#include "brindlex/exceptionhandler.h"
#include "ferrule/autocheck.h"
#include "launcher/logging.h"
#include "model/clock.h"
#include "model/eventsfile.h"
#include "model/reminderrules.h"
#include "sync/syncsettings.h"

namespace FastPath {

Answer decide(int argc, char *argv[], std::unique_ptr<InstanceLock> &lock)
{
    const QStringList arguments = Startup::arguments(argc, argv);
    if (!Startup::isAutoMode(arguments))
        return Answer::FullStart;
    // With automatic checks on, the check runs in the application's event loop: a full start.
    // Off (the default), asking for it does nothing, so it has been asked before the test below.
    if (Ferrule::isAutoCheckOn()) {
        qCDebug(lcLauncher) << "auto start: update checks are on, a full start";
        return Answer::FullStart;
    }
    lock = std::make_unique<InstanceLock>();
    if (lock->isHeldElsewhere()) {
        qCDebug(lcLauncher) << "auto start: another copy runs, ending";
        return Answer::EndNow;
    }
    const QDateTime now = Clock::now();
    if (AutoStart::isHeldBack(arguments, now)) {
        qCDebug(lcLauncher) << "auto start: held back by the previous start, ending";
    } else {
        // The file may be behind the server: the full start syncs it before the test.
        if (readSyncSettings().isConfigured()) {
            qCDebug(lcLauncher) << "auto start: sync is set up, a full start";
            return Answer::FullStart;
        }
        if (ReminderRules::anyDue(eventsFilePath(), now.date())) {
            qCDebug(lcLauncher) << "auto start: reminders are due";
            return Answer::SomethingDue;
        }
        qCDebug(lcLauncher) << "auto start: nothing due, ending";
        // Nothing can be due in a file that cannot be read, but nobody sees this start: the log says so.
        EventsFile::logIfUnreadable(eventsFilePath());
    }
    // Nothing is shown; the start is recorded as a full one records it.
    AutoStart::run(arguments, now, [] { return false; });
    return Answer::EndNow;
}

int start(int argc, char *argv[], FullStart fullStart)
{
    Startup::setApplicationIdentity();
    Brindlex::ExceptionHandler crashHandler;
    crashHandler.initExceptionHandler();

    std::unique_ptr<InstanceLock> lock;
    const Answer early = decide(argc, argv, lock);
    if (early == Answer::EndNow)
        return 0;
    return fullStart(argc, argv, early, std::move(lock));
}

} // namespace FastPath
