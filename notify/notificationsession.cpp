// SPDX-License-Identifier: GPL-3.0-or-later
#include "notify/notificationsession.h"

#include "model/clock.h"
#include "model/reminderrules.h"
#include "notify/logging.h"
#include "notify/notificationclient.h"

#include <QTimer>

#include <algorithm>

namespace {

// The NotificationClosed reason that says the user dismissed the notification.
constexpr uint dismissedByUser = 2;

} // namespace

const QString NotificationSession::defaultAction = QStringLiteral("default");
const QString NotificationSession::tomorrowAction = QStringLiteral("tomorrow");
const QString NotificationSession::nextAction = QStringLiteral("next");
const QString NotificationSession::neverAction = QStringLiteral("never");

NotificationSession::NotificationSession(NotificationClient &notifications, QObject *parent)
    : QObject(parent), client(notifications), midnight(new QTimer(this))
{
    // A file that cannot be read shows nothing and is never saved over.
    if (eventsFile.open() != EventsFile::State::Unreadable)
        events = eventsFile.takeEvents();
    midnight->setSingleShot(true);
    connect(midnight, &QTimer::timeout, this, &NotificationSession::closeAll);
    connect(&client, &NotificationClient::actionInvoked, this, &NotificationSession::actionInvoked);
    connect(&client, &NotificationClient::notificationClosed, this, &NotificationSession::notificationClosed);
}

NotificationSession::~NotificationSession()
{
    qDeleteAll(events);
}

QString NotificationSession::summaryFor(int count)
{
    //: The title of one notification for several reminders at once.
    return tr("%n reminders are due", nullptr, count);
}

uint NotificationSession::send(const QString &summary, const QString &body, const QStringList &actions)
{
    // A server that reads markup in the body would take a name's "&" or "<" for markup.
    const bool markup = client.hasCapability(QStringLiteral("body-markup"));
    return client.notify(summary, markup ? body.toHtmlEscaped() : body, actions);
}

bool NotificationSession::start()
{
    // The events the window's populate() would show at once, in the same order.
    const QDate today = Clock::today();
    QList<Event *> due;
    for (Event *event : qAsConst(events)) {
        if (ReminderRules::isDue(*event, today)) {
            due << event;
            beforeSend.insert(event, *event);
        }
    }
    if (due.isEmpty())
        return false;

    const bool answerable = client.hasCapability(QStringLiteral("actions"));
    if (due.size() > maxSeparate) {
        QStringList names;
        for (Event *event : qAsConst(due)) {
            // Made for its writes: the window opened from here shows the same sentences.
            ReminderRules::sentence(*event, today);
            names << event->name;
        }
        const QStringList actions = answerable ? QStringList{defaultAction, tr("Show all reminders")} : QStringList();
        const uint id = send(summaryFor(due.size()), names.join(QLatin1Char('\n')), actions);
        if (id == 0)
            return false;
        for (Event *event : qAsConst(due))
            ReminderRules::markShown(*event, today);
        open.insert(id, due);
    } else {
        // The keys stay as they are: they are what the server hands back.
        const QStringList actions =
            answerable ? QStringList{defaultAction,
                                     //: A notification's button: opens the reminder's choices.
                                     tr("Options"), tomorrowAction, tr("Remind me tomorrow"), nextAction,
                                     tr("Not until next time"), neverAction, tr("Don't remind me again")}
                       : QStringList();
        for (Event *event : qAsConst(due)) {
            // Only a reminder the server took counts as shown; the others stay due.
            if (const uint id = send(event->name, ReminderRules::sentence(*event, today), actions)) {
                ReminderRules::markShown(*event, today);
                open.insert(id, {event});
            } else {
                undoSend({event});
            }
        }
        if (open.isEmpty())
            return false;
    }

    // Without actions no answer can come: the display writes are all there is to keep.
    if (!answerable)
        open.clear();
    const QDateTime now = Clock::now();
    midnight->start(int(std::clamp<qint64>(now.msecsTo(QDateTime(today.addDays(1), QTime(0, 0))), 0, 86400000)));
    // Ends from the event loop, so that the caller sees the start through first.
    QTimer::singleShot(0, this, &NotificationSession::finishWhenDone);
    return true;
}

void NotificationSession::actionInvoked(uint id, const QString &key)
{
    const auto found = open.constFind(id);
    if (found == open.constEnd())
        return;
    const QList<Event *> shown = found.value();
    const QDate today = Clock::today();
    if (key == defaultAction) {
        // The window takes the reminder over; its notification would only be a second way to answer.
        open.erase(found);
        client.close(id);
        Q_EMIT windowRequested(shown);
        finishWhenDone();
        return;
    }
    ReminderRules::Choice choice;
    if (key == tomorrowAction)
        choice = ReminderRules::Choice::Again;
    else if (key == nextAction)
        choice = ReminderRules::Choice::UntilNext;
    else if (key == neverAction)
        choice = ReminderRules::Choice::Never;
    else
        return;
    for (Event *event : shown)
        ReminderRules::applyChoice(*event, choice, 1, today);
    open.erase(found);
    // A resident notification stays in the server's list after the action.
    client.close(id);
    finishWhenDone();
}

void NotificationSession::notificationClosed(uint id, uint reason)
{
    // Closes of the program's own, and of notifications already answered, have left `open`.
    const auto found = open.constFind(id);
    if (found == open.constEnd())
        return;
    // Only a dismissal is the user's: a server that closes a notification by itself may have shown
    // it to nobody, so its reminder is not counted as shown.
    if (reason != dismissedByUser) {
        qCInfo(lcNotify) << "notification" << id << "closed unanswered, reason" << reason
                         << "- its reminders stay due for the next start";
        undoSend(found.value());
        missed = true;
    }
    open.erase(found);
    finishWhenDone();
}

void NotificationSession::undoSend(const QList<Event *> &shown)
{
    for (Event *event : shown)
        *event = beforeSend.value(event);
}

void NotificationSession::setWindowOpen(bool isOpen)
{
    windowOpen = isOpen;
    finishWhenDone();
}

void NotificationSession::closeAll()
{
    const QList<uint> ids = open.keys();
    open.clear();
    for (uint id : ids)
        client.close(id);
    finishWhenDone();
}

void NotificationSession::finishWhenDone()
{
    if (done || !open.isEmpty() || windowOpen)
        return;
    done = true;
    midnight->stop();
    // Unattended: a failed save is only logged, and the reminders stay due.
    eventsFile.save(events);
    Q_EMIT finished();
}
