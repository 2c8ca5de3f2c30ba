// SPDX-License-Identifier: GPL-3.0-or-later
#include "launcher/windowsession.h"

#include "app/singleapplication.h"
#include "mainwindow/mainwindow.h"
#include "platform/glass.h"
#include "reminders/reminderwindow.h"

#include <QApplication>
#include <QTimer>

namespace {

// The frame of every top-level window is prepared for desktop composition before it is shown.
void prepareFrame(QWidget *window)
{
    if (compositionEnabled()) {
        extendGlassFrame(window, -1, -1, -1, -1);
        window->setContentsMargins(0, 0, 0, 0);
    }
}

} // namespace

WindowSession::WindowSession(SingleApplication &application, QObject *parent) : QObject(parent), app(application)
{
    connect(&app, &SingleApplication::messageReceived, this, &WindowSession::messageReceived);
}

WindowSession::~WindowSession() = default;

QString WindowSession::listRequest()
{
    return QStringLiteral("activate");
}

void WindowSession::adopt(std::unique_ptr<QWidget> window)
{
    prepareFrame(window.get());
    app.setActivationWindow(window.get(), true);
    if (current) {
        // The window being replaced may be in the middle of its own close: it goes afterwards.
        current->hide();
        current.release()->deleteLater();
    }
    current = std::move(window);
}

void WindowSession::showMainWindow()
{
    adopt(std::make_unique<MainWindow>());
    current->setVisible(true);
}

void WindowSession::showReminders(std::unique_ptr<ReminderWindow> window)
{
    reminders = window.get();
    connect(window.get(), &ReminderWindow::closed, this, &WindowSession::remindersClosed);
    adopt(std::move(window));
    reminders->startDisplay();
    current->setVisible(true);
}

void WindowSession::messageReceived(const QString &message)
{
    // The single-instance layer has raised the window already; an auto start sends nothing.
    if (message != listRequest() || !reminders || ending)
        return;
    listRequested = true;
    // The list opens in this process once the reminders are answered, so the process stays.
    reminders->setEndsProcessOnClose(false);
}

void WindowSession::remindersClosed()
{
    if (!listRequested || ending)
        return;
    reminders = nullptr;
    // Built after the reminders were saved, the list reads the answers just given.
    showMainWindow();
}

void WindowSession::requestEnd()
{
    ending = true;
    // Nothing follows the reminders now: they close as they would have without the request.
    if (reminders)
        reminders->setEndsProcessOnClose(true);
    closeWhenDialogsAreGone();
}

void WindowSession::closeWhenDialogsAreGone()
{
    // A dialog's own event loop must unwind before the window closes, or its caller would carry on
    // with a closed window; rejected dialogs report "cancelled" to whoever opened them.
    if (QWidget *dialog = QApplication::activeModalWidget()) {
        if (!QMetaObject::invokeMethod(dialog, "reject"))
            dialog->close();
        QTimer::singleShot(0, this, &WindowSession::closeWhenDialogsAreGone);
        return;
    }
    if (current && current->isVisible())
        current->close();
}
