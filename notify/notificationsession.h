// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "model/eventsfile.h"

#include <QHash>
#include <QList>
#include <QObject>

class NotificationClient;
class QTimer;

// An auto start in notification style: the events file's due events as the desktop's
// notifications, their actions answered as the reminder item answers, and the file written once
// when everything is answered, closed or over for the day.
class NotificationSession final : public QObject
{
    Q_OBJECT

public:
    // The action keys a notification offers; scripts rely on them.
    static const QString defaultAction;
    static const QString tomorrowAction;
    static const QString nextAction;
    static const QString neverAction;
    // Beyond this many due events a single notification stands for them all.
    static constexpr int maxSeparate = 5;

    // Loads the events file.
    explicit NotificationSession(NotificationClient &client, QObject *parent = nullptr);
    ~NotificationSession() override;

    // Sends the notifications of today's due events, with their display writes. False when none
    // was taken by the server; the events are then left as they were on file.
    bool start();

    // While a window shows events of this session the session waits for it to close.
    void setWindowOpen(bool open);
    // Closes the notifications still open, as at midnight or on a termination request.
    void closeAll();

    static QString summaryFor(int count);

    // True once a notification closed without the user (expired, or closed by someone else): its
    // reminders are left as they were on file, due again at the next start.
    bool missedSome() const { return missed; }

Q_SIGNALS:
    // The user clicked a notification: the reminder window with these events and their options.
    void windowRequested(const QList<Event *> &events);
    // The events file has been written; nothing more is to come.
    void finished();

private:
    void actionInvoked(uint id, const QString &key);
    void notificationClosed(uint id, uint reason);
    // Puts back what sending changed in these events (the display writes, a counted event's count).
    void undoSend(const QList<Event *> &shown);
    uint send(const QString &summary, const QString &body, const QStringList &actions);
    void finishWhenDone();

    NotificationClient &client;
    EventsFile eventsFile;
    EventStore events;
    // The notifications still open and the events each stands for.
    QHash<uint, QList<Event *>> open;
    // The due events as they were before their notification was sent.
    QHash<const Event *, Event> beforeSend;
    QTimer *midnight;
    bool windowOpen = false;
    bool done = false;
    bool missed = false;
};
