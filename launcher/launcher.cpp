// SPDX-License-Identifier: GPL-3.0-or-later
#include "launcher/launcher.h"

#include "app/autostart.h"
#include "app/singleapplication.h"
#include "app/startup.h"
#include "app/terminationwatcher.h"
#include "brindlex/exceptionhandler.h"
#include "ferrule/updater.h"
#include "launcher/fastpath.h"
#include "launcher/windowsession.h"
#include "model/clock.h"
#include "model/reminderrules.h"
#include "reminders/reminderwindow.h"
#include "sync/backgroundsync.h"

#include <cstdio>
#include <cstdlib>
#include <memory>

namespace Launcher {

using namespace Startup;

int run(int argc, char *argv[])
{
    setApplicationIdentity();
    Brindlex::ExceptionHandler crashHandler;
    crashHandler.initExceptionHandler();

    std::unique_ptr<InstanceLock> lock;
    const FastPath::Answer early = FastPath::decide(argc, argv, lock);
    if (early == FastPath::Answer::EndNow)
        return 0;

    SingleApplication app(argc, argv, std::move(lock));
    // Installed first so that a termination request during start-up waits for the window.
    TerminationWatcher watcher;

    Ferrule::getUpdater()->autoCheck();

    const QStringList arguments = Startup::arguments(argc, argv);
    const bool autoMode = isAutoMode(arguments);

    if (app.isRunning()) {
        app.activateWindow();
        // A plain start wants the list in front. An auto start (the hourly timer among them)
        // must not pull the running copy's window forward, so it says nothing.
        if (!autoMode)
            app.sendMessage(WindowSession::listRequest());
        return 0;
    }

    WindowSession session(app);
    if (autoMode) {
        std::unique_ptr<ReminderWindow> built;
        const auto outcome = AutoStart::run(arguments, Clock::now(), [&built, &session, early] {
            // The fast path answers only for a list that is not synced; this one may be behind the server.
            if (early != FastPath::Answer::SomethingDue)
                syncUnasked(eventsFilePath());
            // Most starts find nothing due: they answer from the file alone, without a window. The
            // fast path has usually looked already.
            if (early != FastPath::Answer::SomethingDue && !ReminderRules::anyDue(eventsFilePath(), Clock::today()))
                return false;
            if (session.startNotifications())
                return true;
            built = std::make_unique<ReminderWindow>();
            return built->populate();
        });
        // Nothing due: the window is dropped unseen. The process ends without tearing the
        // application down, which would cost a start-up's worth of font configuration for nothing.
        if (outcome == AutoStart::Outcome::NothingShown) {
            built.reset();
            app.release();
            std::fflush(nullptr);
            std::_Exit(0);
        }
        if (built)
            session.showReminders(std::move(built));
    } else {
        session.showMainWindow();
    }

    // A termination request or the end of the desktop session closes the window the normal
    // way, so that it saves what the user changed.
    QObject::connect(&watcher, &TerminationWatcher::terminationRequested, &session, &WindowSession::requestEnd);
    QObject::connect(&app, &QGuiApplication::commitDataRequest, &session, &WindowSession::requestEnd);
    QObject::connect(&app, &QCoreApplication::aboutToQuit, &session, [&session] {
        if (QWidget *window = session.window(); window && window->isVisible())
            window->close();
    });
    return app.exec();
}

} // namespace Launcher
