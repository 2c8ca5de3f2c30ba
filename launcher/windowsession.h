// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QObject>
#include <QPointer>

#include <memory>

class QWidget;
class ReminderWindow;
class SingleApplication;

// The window a running copy shows, and what happens to it when another copy starts or the program
// is asked to end. A plain start while reminders are up raises them and opens the list once they
// are answered and saved; an end request closes what is open so that changes are kept.
class WindowSession final : public QObject
{
    Q_OBJECT

public:
    explicit WindowSession(SingleApplication &app, QObject *parent = nullptr);
    ~WindowSession() override;

    // Takes the window of the process and makes it the one a plain start of another copy raises.
    void showMainWindow();
    void showReminders(std::unique_ptr<ReminderWindow> reminders);

    QWidget *window() const { return current.get(); }
    // True once a plain start asked for the list while reminders were shown.
    bool isListRequested() const { return listRequested; }

    // A termination request or the end of the desktop session: open dialogs are answered as
    // cancelled, then the window closes the normal way.
    void requestEnd();

    // What another copy sends when it was started plainly: the user wants the list.
    static QString listRequest();

private:
    void adopt(std::unique_ptr<QWidget> window);
    void messageReceived(const QString &message);
    void remindersClosed();
    void closeWhenDialogsAreGone();

    SingleApplication &app;
    std::unique_ptr<QWidget> current;
    QPointer<ReminderWindow> reminders;
    bool listRequested = false;
    bool ending = false;
};
