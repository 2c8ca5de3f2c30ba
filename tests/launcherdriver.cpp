// SPDX-License-Identifier: GPL-3.0-or-later
// The real program with one user step played in it: once the main window shows, the button named
// by ORIVENTA_DRIVER_BUTTON is pressed, and "dialog" is printed when a modal dialog has opened, so
// that a test can act from outside at that moment. ORIVENTA_DRIVER_SELECT names an item view whose
// first row is made current before the press, for buttons that act on the current row.
// ORIVENTA_DRIVER_PASSWORD, when set, answers the start-up sync's password prompt instead.
// ORIVENTA_DRIVER_REPORT names a widget: once it shows, its window is on the screen, its
// animations have ended and it has stopped moving and growing, "<name> x y width height" gives the
// widget's place on the screen, once.
#include "launcher/launcher.h"

#include <QAbstractButton>
#include <QAbstractItemView>
#include <QApplication>
#include <QInputDialog>
#include <QMainWindow>
#include <QTimer>
#include <QWindow>

#include <algorithm>
#include <cstdio>
#include <memory>

namespace {

void playStep()
{
    const QString button = qEnvironmentVariable("ORIVENTA_DRIVER_BUTTON");
    const QString password = qEnvironmentVariable("ORIVENTA_DRIVER_PASSWORD");
    const QString select = qEnvironmentVariable("ORIVENTA_DRIVER_SELECT");
    auto *poll = new QTimer(qApp);
    QObject::connect(poll, &QTimer::timeout, poll, [poll, button, password, select] {
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
            // An empty name would match any button.
            auto *pressed =
                window->isVisible() && !button.isEmpty() ? window->findChild<QAbstractButton *>(button) : nullptr;
            if (pressed && !pressed->property("pressedByDriver").toBool()) {
                pressed->setProperty("pressedByDriver", true);
                if (auto *view = select.isEmpty() ? nullptr : window->findChild<QAbstractItemView *>(select))
                    view->setCurrentIndex(view->model()->index(0, 0));
                // Queued, so that the dialog's own event loop does not run inside this poll.
                QTimer::singleShot(0, pressed, &QAbstractButton::click);
            }
        }
    });
    poll->start(20);
}

// A timer of a few milliseconds steps an animation: the slide-in, an options panel.
bool animates(const QWidget *window)
{
    const QList<QTimer *> timers = window->findChildren<QTimer *>();
    return std::any_of(timers.cbegin(), timers.cend(),
                       [](const QTimer *timer) { return timer->isActive() && timer->interval() < 20; });
}

void reportWhenStill()
{
    const QString name = qEnvironmentVariable("ORIVENTA_DRIVER_REPORT");
    if (name.isEmpty())
        return;
    auto *poll = new QTimer(qApp);
    auto last = std::make_shared<QPair<QRect, QRect>>();
    auto stillFor = std::make_shared<int>(0);
    QObject::connect(poll, &QTimer::timeout, poll, [poll, name, last, stillFor] {
        for (QWidget *window : QApplication::topLevelWidgets()) {
            const QWidget *widget = window->findChild<QWidget *>(name);
            if (!widget || !widget->isVisible() || !window->windowHandle() || !window->windowHandle()->isExposed())
                continue;
            // A window manager may hold a window that is still sliding in for a while.
            if (animates(window)) {
                *stillFor = 0;
                return;
            }
            const QPair<QRect, QRect> now(window->frameGeometry(),
                                          QRect(widget->mapToGlobal(QPoint(0, 0)), widget->size()));
            *stillFor = now == *last ? *stillFor + 1 : 0;
            *last = now;
            if (*stillFor < 15)
                return;
            poll->stop();
            std::printf("%s %d %d %d %d\n", qPrintable(name), now.second.x(), now.second.y(), now.second.width(),
                        now.second.height());
            std::fflush(stdout);
            return;
        }
    });
    poll->start(20);
}

} // namespace

Q_COREAPP_STARTUP_FUNCTION(playStep)
Q_COREAPP_STARTUP_FUNCTION(reportWhenStill)

int main(int argc, char *argv[])
{
    return Launcher::run(argc, argv);
}
