// SPDX-License-Identifier: GPL-3.0-or-later
#include "launcher/launcher.h"

#include "app/autostart.h"
#include "app/singleapplication.h"
#include "app/startup.h"
#include "app/terminationwatcher.h"
#include "ferrule/updater.h"
#include "launcher/fastpath.h"
#include "launcher/logging.h"
#include "launcher/windowsession.h"
#include "model/clock.h"
#include "model/eventsfile.h"
#include "model/reminderrules.h"
#include "reminders/reminderwindow.h"
#include "sync/backgroundsync.h"
#include "translations/languages.h"

#include <cstdio>
#include <cstdlib>
#include <memory>

namespace Launcher {

using namespace Startup;

int run(int argc, char *argv[])
{
    return FastPath::start(argc, argv, runFull);
}

int runFull(int argc, char *argv[], FastPath::Answer early, std::unique_ptr<InstanceLock> lock)
{
    SingleApplication app(argc, argv, std::move(lock));
    Languages::install();
    // Installed first: a termination request during start-up waits in the watcher until the
    // session below is connected to it.
    TerminationWatcher watcher;

    Ferrule::getUpdater()->autoCheck();

    const QStringList arguments = Startup::arguments(argc, argv);
    const bool autoMode = isAutoMode(arguments);

    if (app.isRunning()) {
        qCDebug(lcLauncher) << "another copy runs:" << (autoMode ? "ending" : "asking it for the list");
        app.activateWindow();
        // A plain start wants the list in front. An auto start (the hourly timer among them)
        // must not pull the running copy's window forward, so it says nothing.
        if (!autoMode)
            app.sendMessage(WindowSession::listRequest());
        return 0;
    }

    WindowSession session(app);
    // Connected before anything can wait on the user or the network (the start-up sync and its
    // password prompt): a termination request or the end of the desktop session cancels what waits
    // and closes the window, if there is one yet, the normal way, so that it saves what the user changed.
    QObject::connect(&watcher, &TerminationWatcher::terminationRequested, &session, [&session](int signalNumber) {
        qCInfo(lcLauncher) << "asked to end by signal" << signalNumber;
        session.requestEnd();
    });
    QObject::connect(&app, &QGuiApplication::commitDataRequest, &session, [&session] {
        qCInfo(lcLauncher) << "the desktop session ends";
        session.requestEnd();
    });
    QObject::connect(&app, &QCoreApplication::aboutToQuit, &session, [&session] {
        if (QWidget *window = session.window(); window && window->isVisible())
            window->close();
    });

    if (autoMode) {
        std::unique_ptr<ReminderWindow> built;
        const auto outcome = AutoStart::run(arguments, Clock::now(), [&built, &session, early] {
            // The fast path answers only for a list that is not synced; this one may be behind the server.
            if (early != FastPath::Answer::SomethingDue)
                syncUnasked(eventsFilePath());
            // Asked to end during the sync: nothing is shown, and the reminders stay due for the next start.
            if (session.isEnding())
                return false;
            // Most starts find nothing due: they answer from the file alone, without a window. The
            // fast path has usually looked already.
            if (early != FastPath::Answer::SomethingDue && !ReminderRules::anyDue(eventsFilePath(), Clock::today())) {
                EventsFile::logIfUnreadable(eventsFilePath());
                return false;
            }
            if (session.startNotifications())
                return true;
            built = std::make_unique<ReminderWindow>();
            return built->populate();
        });
        // Nothing due: the window is dropped unseen. The process ends without tearing the
        // application down, which would cost a start-up's worth of font configuration for nothing.
        if (outcome == AutoStart::Outcome::NothingShown) {
            qCDebug(lcLauncher) << "auto start: nothing to show, ending";
            built.reset();
            app.release();
            std::fflush(nullptr);
            std::_Exit(0);
        }
        qCDebug(lcLauncher) << "auto start: reminders shown" << (built ? "in the window" : "as notifications");
        if (built)
            session.showReminders(std::move(built));
    } else {
        session.showMainWindow();
    }
    return app.exec();
}

} // namespace Launcher
