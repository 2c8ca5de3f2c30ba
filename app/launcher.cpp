#include "app/launcher.h"

#include "app/autostart.h"
#include "app/singleapplication.h"
#include "app/startup.h"
#include "app/terminationwatcher.h"
#include "brindlex/exceptionhandler.h"
#include "ferrule/updater.h"
#include "mainwindow/mainwindow.h"
#include "model/clock.h"
#include "platform/glass.h"
#include "reminders/reminderrules.h"
#include "reminders/reminderwindow.h"

#include <QPointer>

#include <cstdio>
#include <cstdlib>
#include <memory>

namespace Launcher {

using namespace Startup;

int run(int argc, char *argv[])
{
    SingleApplication app(argc, argv);
    setApplicationIdentity();
    // Installed first so that a termination request during start-up waits for the window.
    TerminationWatcher watcher;

    Brindlex::ExceptionHandler crashHandler;
    crashHandler.initExceptionHandler();

    Ferrule::getUpdater()->autoCheck();

    if (app.isRunning()) {
        app.activateWindow();
        // Bring the running copy's window to the front.
        app.sendMessage(QStringLiteral("activate"));
        return 0;
    }

    QStringList arguments;
    for (int i = 0; i < argc; ++i)
        arguments << QString::fromLocal8Bit(argv[i]);

    std::unique_ptr<QWidget> window;
    ReminderWindow *reminders = nullptr;
    if (isAutoMode(arguments)) {
        std::unique_ptr<ReminderWindow> built;
        const auto outcome = AutoStart::run(arguments, Clock::now(), [&built] {
            // Most starts find nothing due: they answer from the file alone, without a window.
            if (!ReminderRules::anyDue(eventsFilePath(), Clock::today()))
                return false;
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
        reminders = built.get();
        window = std::move(built);
    } else {
        window = std::make_unique<MainWindow>();
    }

    if (compositionEnabled()) {
        extendGlassFrame(window.get(), -1, -1, -1, -1);
        window->setContentsMargins(0, 0, 0, 0);
    }

    app.setActivationWindow(window.get(), true);

    // A termination request or the end of the desktop session closes the window the normal
    // way, so that it saves what the user changed.
    QPointer<QWidget> shown = window.get();
    const auto closeWindow = [shown] {
        if (shown && shown->isVisible())
            shown->close();
    };
    QObject::connect(&watcher, &TerminationWatcher::terminationRequested, &app, closeWindow);
    QObject::connect(&app, &QGuiApplication::commitDataRequest, &app, closeWindow);
    QObject::connect(&app, &QCoreApplication::aboutToQuit, &app, closeWindow);

    if (reminders)
        reminders->startDisplay();
    window->setVisible(true);
    return app.exec();
}

} // namespace Launcher
