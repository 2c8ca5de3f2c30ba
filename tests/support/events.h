// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "model/eventstore.h"

#include <QList>
#include <QMetaType>
#include <QString>

#include <initializer_list>

Q_DECLARE_METATYPE(Event)

// Every field of an event in one line, for failure messages; toString makes QCOMPARE use it.
QString describe(const Event &e);
char *toString(const Event &e);

namespace TestHelpers {

// Builds events for the tests: weekly().on(Qt::Monday).notify(2).event() and so on.
class EventBuilder
{
public:
    explicit EventBuilder(int schedule);
    EventBuilder &on(Qt::DayOfWeek day);
    EventBuilder &on(std::initializer_list<int> days); // 1 = Monday
    EventBuilder &everyWeekday();
    EventBuilder &dayNumber(int n);
    EventBuilder &nth(int n);
    EventBuilder &in(int month);
    EventBuilder &wholeYear();
    EventBuilder &date(QDate d);
    EventBuilder &named(const QString &name);
    EventBuilder &counted(int count, QDate countDate);
    EventBuilder &before(int days); // the reminder's lead, switched on or not
    EventBuilder &notify(int daysBefore);
    EventBuilder &showOnce();
    EventBuilder &lastNotified(QDate d);
    Event event() const { return m_event; }
    Event *make() const { return new Event(m_event); }

private:
    Event m_event;
};

EventBuilder singular(QDate d);
EventBuilder weekly();
EventBuilder monthly();
EventBuilder yearly();

// A weekly event on the given weekdays (1 = Monday), for lists and windows that own it.
Event *weeklyEvent(const QString &name, std::initializer_list<int> days);

// Saves the list as the events file (or `path`) and deletes its events.
bool writeEvents(const EventStore &events, const QString &path = eventsFilePath());
// The events of a loaded list, as values; the list's own are deleted.
QList<Event> takeEvents(const EventStore &loaded);
// The events on file, as values.
QList<Event> readEvents(const QString &path = eventsFilePath(), LoadStatus *status = nullptr);

} // namespace TestHelpers
