// SPDX-License-Identifier: GPL-3.0-or-later
#include "interop/importedevents.h"

#include <QDateTime>

void applyImportDefaults(Event &event, const Preferences &preferences, QDate today)
{
    event.notify = preferences.facebookNotify;
    event.notifyDaysBefore = preferences.facebookNotifyDaysBefore;
    event.showOnce = preferences.facebookShowOnce;
    event.lastNotified = today.addDays(-1);
    event.snoozeDays = 0;
}

Event *yearlyDayEvent(const QString &title, int month, int day, int year, const Preferences &preferences, QDate today)
{
    auto *event = new Event;
    event->name = title;
    event->countDate = today;
    const QDate first(year, month, day);
    // A year that does not make a date gives no age rather than one counted from year 0.
    if (year != 0 && first.isValid()) {
        const int years = today.year() - first.year();
        event->counted = true;
        event->count = today < first.addYears(years) ? years - 1 : years;
    }
    event->schedule = Yearly;
    event->useDayNumber = true;
    event->ordinal = day;
    event->wholeYear = false;
    for (int i = 0; i < 12; ++i)
        event->months[i] = month == i + 1;
    applyImportDefaults(*event, preferences, today);
    return event;
}

QString birthdayTitle(const QString &name)
{
    // English in every language: the name goes into the events file, and an import repeated in
    // another language must find it taken.
    return name + QStringLiteral("'s Birthday");
}

Event *birthdayEvent(const QString &name, const QString &dateText, const Preferences &preferences, QDate today)
{
    // The day and month stand at fixed places of the text; the year counts only when the whole
    // text reads as a date.
    const QDate birth = QDate::fromString(dateText, QStringLiteral("MM/dd/yyyy"));
    const int year = dateText.size() == 10 && birth.isValid() ? birth.year() : 0;
    return yearlyDayEvent(birthdayTitle(name), dateText.mid(0, 2).toInt(), dateText.mid(3, 2).toInt(), year,
                          preferences, today);
}

Event *socialEvent(const QString &name, const QString &dateText, const Preferences &preferences, QDate today)
{
    auto *event = new Event;
    event->name = name;
    event->countDate = today;
    event->schedule = Singular;
    event->date = QDateTime::fromString(dateText, Qt::ISODate).date();
    applyImportDefaults(*event, preferences, today);
    return event;
}
