// SPDX-License-Identifier: GPL-3.0-or-later
// The real program with one user step played in it: once the main window shows, the button named
// by ORIVENTA_DRIVER_BUTTON is pressed, and "dialog" is printed when a modal dialog has opened, so
// that a test can act from outside at that moment.
// ORIVENTA_DRIVER_PASSWORD, when set, answers the start-up sync's password prompt instead.
#include "launcher/launcher.h"

#include <QAbstractButton>
#include <QApplication>
#include <QInputDialog>
#include <QMainWindow>
#include <QTimer>

#include <cstdio>

namespace {

void playStep()
{
    const QString button = qEnvironmentVariable("ORIVENTA_DRIVER_BUTTON");
    const QString password = qEnvironmentVariable("ORIVENTA_DRIVER_PASSWORD");
    auto *poll = new QTimer(qApp);
    QObject::connect(poll, &QTimer::timeout, poll, [poll, button, password] {
        auto *prompt = qobject_cast<QInputDialog *>(QApplication::activeModalWidget());
        if (prompt && !password.isEmpty()) {
            if (prompt->textValue().isEmpty()) {
                prompt->setTextValue(password);
                QTimer::singleShot(0, prompt, &QDialog::accept);
            }
            return;
        }
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
