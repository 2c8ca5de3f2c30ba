// SPDX-License-Identifier: GPL-3.0-or-later
#include "launcher/windowsession.h"

#include "app/autostart.h"
#include "app/singleapplication.h"
#include "launcher/logging.h"
#include "mainwindow/mainwindow.h"
#include "model/preferences.h"
#include "notify/notificationclient.h"
#include "notify/notificationsession.h"
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

// The list is synced before the window reads it. Where no password is at hand the user is asked,
// again while the server refuses it; a cancel means no sync until the next start. Failures change
// nothing; the log tells. An end request that comes while it waits (`ending`) stops it, and cancels
// a prompt already open.
void syncBeforeOpening(const bool &ending)
{
    static bool declined = false;
    if (declined || MainWindow::syncBeforeOpening(ending))
        return;
    qCDebug(lcLauncher) << "no password given: no sync until the next start";
    declined = true;
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
    syncBeforeOpening(ending);
    // Asked to end while the sync asked or ran: no window opens, and as nothing was shown nothing
    // is left to save. Queued, so that it ends the event loop whether or not that runs yet.
    if (ending) {
        qCInfo(lcLauncher) << "ending before the main window opened";
        QMetaObject::invokeMethod(qApp, &QCoreApplication::quit, Qt::QueuedConnection);
        return;
    }
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

bool WindowSession::startNotifications()
{
    if (readReminderStyle() != ReminderStyle::Notification || !NotificationClient::serviceAvailable())
        return false;
    auto client = std::make_unique<NotificationClient>();
    if (!client->readCapabilities())
        return false;
    auto session = std::make_unique<NotificationSession>(*client);
    // Read before the auto start records this display.
    displayBefore = AutoStart::lastDisplay();
    if (!session->start())
        return false;
    connect(session.get(), &NotificationSession::windowRequested, this, &WindowSession::openNotifiedEvents);
    connect(session.get(), &NotificationSession::finished, this, &WindowSession::notificationsFinished);
    notificationClient = std::move(client);
    notifications = std::move(session);
    // A window opened from a notification may close while others are still open.
    QApplication::setQuitOnLastWindowClosed(false);
    return true;
}

void WindowSession::openNotifiedEvents(const QList<Event *> &events)
{
    if (ending)
        return;
    // Building a window processes events, among them further clicks: they wait for the window.
    if (buildingWindow) {
        QTimer::singleShot(0, this, [this, events] { openNotifiedEvents(events); });
        return;
    }
    if (reminders && reminders->isVisible()) {
        reminders->showWithOptions(events);
        app.activateWindow();
        return;
    }
    // Open before it is built, so that answers to the other notifications meanwhile do not end
    // the session under it.
    notifications->setWindowOpen(true);
    buildingWindow = true;
    std::unique_ptr<ReminderWindow> window = ReminderWindow::forEvents(events);
    buildingWindow = false;
    // Building processes events: an end request met there has closed everything else already.
    if (ending) {
        notifications->setWindowOpen(false);
        return;
    }
    connect(window.get(), &ReminderWindow::closed, notifications.get(), [this] {
        // Its answers are the session's now: a plain start must not raise it again over them.
        letRemindersGo();
        notifications->setWindowOpen(false);
    });
    showReminders(std::move(window));
}

void WindowSession::letRemindersGo()
{
    if (reminders && current.get() == reminders) {
        app.setActivationWindow(nullptr);
        // Its close is still under way: it goes afterwards.
        current.release()->deleteLater();
    }
    reminders = nullptr;
}

void WindowSession::notificationsFinished()
{
    QApplication::setQuitOnLastWindowClosed(true);
    // Otherwise the hourly timer's next start would be held back, and the reminders left due with it.
    if (notifications->missedSome())
        AutoStart::restoreLastDisplay(displayBefore);
    if (listRequested && !ending) {
        // Built after the answers were saved, the list reads them.
        reminders = nullptr;
        showMainWindow();
        return;
    }
    QCoreApplication::exit(0);
}

void WindowSession::messageReceived(const QString &message)
{
    // The single-instance layer has raised the window already; an auto start sends nothing.
    if (message != listRequest() || !(reminders || notifications) || ending)
        return;
    listRequested = true;
    if (!reminders)
        return;
    // The list opens in this process once the reminders are answered, so the process stays.
    reminders->setEndsProcessOnClose(false);
}

void WindowSession::remindersClosed()
{
    // In notification style the list waits for the notifications too.
    if (!listRequested || ending || notifications)
        return;
    reminders = nullptr;
    // Built after the reminders were saved, the list reads the answers just given.
    showMainWindow();
}

void WindowSession::requestEnd()
{
    ending = true;
    // Nothing follows the reminders now: they close as they would have without the request.
    // A window over notified events never ends the process: the notifications' save comes after it.
    if (reminders && !notifications)
        reminders->setEndsProcessOnClose(true);
    // What the user answered is saved once the window, if any, has closed too.
    if (notifications)
        notifications->closeAll();
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
