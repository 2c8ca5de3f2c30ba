// SPDX-License-Identifier: GPL-3.0-or-later
// The real program with one user step played in it: once the main window shows, the button named
// by ORIVENTA_DRIVER_BUTTON is pressed, and "dialog" is printed when a modal dialog has opened, so
// that a test can act from outside at that moment.
#include "launcher/launcher.h"

#include <QAbstractButton>
#include <QApplication>
#include <QMainWindow>
#include <QTimer>

#include <cstdio>

namespace {

void playStep()
{
    const QString button = qEnvironmentVariable("ORIVENTA_DRIVER_BUTTON");
    auto *poll = new QTimer(qApp);
    QObject::connect(poll, &QTimer::timeout, poll, [poll, button] {
        if (QApplication::activeModalWidget()) {
            poll->stop();
            std::puts("dialog");
            std::fflush(stdout);
            return;
        }
        for (QWidget *window : QApplication::topLevelWidgets()) {
            auto *pressed = window->isVisible() ? window->findChild<QAbstractButton *>(button) : nullptr;
            if (pressed && !pressed->property("pressedByDriver").toBool()) {
                pressed->setProperty("pressedByDriver", true);
                // Queued, so that the dialog's own event loop does not run inside this poll.
                QTimer::singleShot(0, pressed, &QAbstractButton::click);
            }
        }
    });
    poll->start(20);
}

} // namespace

Q_COREAPP_STARTUP_FUNCTION(playStep)

int main(int argc, char *argv[])
{
    return Launcher::run(argc, argv);
}
