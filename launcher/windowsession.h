// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QObject>
#include <QPointer>
#include <QVariant>

#include <memory>

class Event;
class NotificationClient;
class NotificationSession;
class QWidget;
class ReminderWindow;
class SingleApplication;

// The window a running copy shows, and what happens to it when another copy starts or the program
// is asked to end. A plain start while reminders are up raises them and opens the list once they
// are answered and saved; an end request closes what is open so that changes are kept. In
// notification style the same holds for the notifications and the window a click on one opens.
class WindowSession final : public QObject
{
    Q_OBJECT

public:
    explicit WindowSession(SingleApplication &app, QObject *parent = nullptr);
    ~WindowSession() override;

    // Takes the window of the process and makes it the one a plain start of another copy raises.
    void showMainWindow();
    void showReminders(std::unique_ptr<ReminderWindow> reminders);
    // The due reminders as desktop notifications, when the user chose them and the desktop has a
    // notification service; false when they are to be shown in the window instead.
    bool startNotifications();

    QWidget *window() const { return current.get(); }
    // True once a plain start asked for the list while reminders were shown.
    bool isListRequested() const { return listRequested; }

    // A termination request or the end of the desktop session: open dialogs are answered as
    // cancelled, then the window closes the normal way. Before there is a window, the one about to
    // open it finds isEnding() and opens none.
    void requestEnd();
    bool isEnding() const { return ending; }

    // What another copy sends when it was started plainly: the user wants the list.
    static QString listRequest();

private:
    void adopt(std::unique_ptr<QWidget> window);
    void messageReceived(const QString &message);
    void remindersClosed();
    void closeWhenDialogsAreGone();
    void openNotifiedEvents(const QList<Event *> &events);
    // Drops the closed window over notified events, so that nothing raises it again.
    void letRemindersGo();
    void notificationsFinished();

    SingleApplication &app;
    // Declared before the window, which shows their events, so that they outlive it.
    std::unique_ptr<NotificationClient> notificationClient;
    std::unique_ptr<NotificationSession> notifications;
    std::unique_ptr<QWidget> current;
    QPointer<ReminderWindow> reminders;
    // The display time before this start's notifications, for when some went unseen.
    QVariant displayBefore;
    bool listRequested = false;
    bool buildingWindow = false;
    bool ending = false;
};
