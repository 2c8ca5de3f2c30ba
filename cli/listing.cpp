// SPDX-License-Identifier: GPL-3.0-or-later
#include "cli/listing.h"

#include "model/eventstore.h"
#include "model/reminderrules.h"
#include "translations/languages.h"

#include <QElapsedTimer>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QLocale>
#include <cstdio>
#include <functional>

#include <algorithm>
#include <array>
#include <limits>

namespace {

// Looks through the file if it can be read: a file that is there but cannot be read must not pass
// for an empty list.
EventsFile::State lookThrough(const QString &path, QString *reason,
                              const std::function<bool(const Event &, const RecordName &)> &visit)
{
    const EventsFile::State state = EventsFile::probe(path, reason);
    if (state != EventsFile::State::Fine)
        return state;
    bool damaged = false;
    findEvent(path, visit, &damaged);
    return damaged ? EventsFile::State::Damaged : EventsFile::State::Fine;
}

// The facts shown of an event; a counted event's count is brought up to today first.
ListedEvent listed(const Event &event, const RecordName &name, QDate next, qint64 days, QDate today)
{
    ListedEvent entry;
    entry.name = name.toString();
    // A monthly or yearly event with nothing chosen answers a day 32,000 days on: no day at all.
    if (days >= 0 && days < NoOccurrence) {
        entry.next = next;
        entry.daysRemaining = int(days);
    }
    entry.schedule = event.schedule;
    entry.counted = event.counted;
    entry.count = event.count;
    if (event.counted) {
        Event copy = event;
        copy.advanceCount(today);
        entry.count = copy.count;
    }
    entry.notify = event.notify;
    entry.notifyDaysBefore = event.notifyDaysBefore;
    return entry;
}

// By date, then name, then place in the file; those without a coming occurrence last. Names go
// in the order of their UTF-16 code units, as QString's operator< has it. A list of thousands
// sorts mostly on names, so compact keys that hold the first twelve code units are sorted, and
// the entries are then put in that order in place.
void sortListing(Listing &listing)
{
    struct Key
    {
        qint64 day;                  // the Julian day; after every real one when there is no coming occurrence
        std::array<quint64, 3> head; // code units 0-11, four to a number, the first one highest
        const ushort *name;
        int size;
        quint32 index;
    };
    std::vector<Key> keys;
    keys.reserve(listing.size());
    for (quint32 i = 0; i < listing.size(); ++i) {
        const ListedEvent &entry = listing[i];
        const QString &name = entry.name;
        Key key{entry.next.isNull() ? std::numeric_limits<qint64>::max() : entry.next.toJulianDay(),
                {},
                name.utf16(),
                name.size(),
                i};
        for (int c = 0; c < std::min(name.size(), 12); ++c)
            key.head[size_t(c / 4)] |= quint64(name.at(c).unicode()) << (48 - 16 * (c % 4));
        keys.push_back(key);
    }
    std::sort(keys.begin(), keys.end(), [](const Key &a, const Key &b) {
        if (a.day != b.day)
            return a.day < b.day;
        // A shorter name pads its head with zeros: where the heads differ they tell the order.
        for (size_t i = 0; i < a.head.size(); ++i) {
            if (a.head[i] != b.head[i])
                return a.head[i] < b.head[i];
        }
        const int n = std::min(a.size, b.size);
        for (int i = 12; i < n; ++i) {
            if (a.name[i] != b.name[i])
                return a.name[i] < b.name[i];
        }
        if (a.size != b.size)
            return a.size < b.size;
        return a.index < b.index;
    });
    // Each entry moves once, along the cycles of the permutation, with no second list.
    std::vector<quint32> order(keys.size());
    for (size_t i = 0; i < keys.size(); ++i)
        order[i] = keys[i].index;
    for (size_t start = 0; start < order.size(); ++start) {
        if (order[start] == start)
            continue;
        ListedEvent held = std::move(listing[start]);
        size_t at = start;
        while (order[at] != start) {
            const size_t from = order[at];
            listing[at] = std::move(listing[from]);
            order[at] = quint32(at);
            at = from;
        }
        listing[at] = std::move(held);
        order[at] = quint32(at);
    }
}

// Appends `value` in decimal, right-aligned in `width` columns.
void appendNumber(QByteArray &out, qint64 value, int width)
{
    const QByteArray digits = QByteArray::number(value);
    if (digits.size() < width)
        out.append(width - digits.size(), ' ');
    out.append(digits);
}

// YYYY-MM-DD, as Qt::ISODate writes it, without its cost for every line of a long list.
void appendDate(QByteArray &out, QDate date)
{
    int y = 0, m = 0, d = 0;
    date.getDate(&y, &m, &d);
    if (y < 1 || y > 9999) {
        out.append(date.toString(Qt::ISODate).toLatin1());
        return;
    }
    const char text[] = {char('0' + y / 1000 % 10),
                         char('0' + y / 100 % 10),
                         char('0' + y / 10 % 10),
                         char('0' + y % 10),
                         '-',
                         char('0' + m / 10),
                         char('0' + m % 10),
                         '-',
                         char('0' + d / 10),
                         char('0' + d % 10)};
    out.append(text, sizeof text);
}

QString scheduleName(ScheduleKind kind)
{
    switch (kind) {
    case Singular:
        return QStringLiteral("once");
    case Weekly:
        return QStringLiteral("weekly");
    case Monthly:
        return QStringLiteral("monthly");
    case Yearly:
        return QStringLiteral("yearly");
    }
    return QString();
}

QString isoDate(QDate date)
{
    QByteArray text;
    appendDate(text, date);
    return QString::fromLatin1(text);
}

// A name on one line: line breaks and tabs would split it for the scripts that read the text.
QString oneLine(const QString &text)
{
    const auto breaks = [](QChar c) {
        return c == QLatin1Char('\n') || c == QLatin1Char('\r') || c == QLatin1Char('\t');
    };
    if (std::none_of(text.begin(), text.end(), breaks))
        return text;
    QString line = text;
    std::replace_if(line.begin(), line.end(), breaks, QLatin1Char(' '));
    return line;
}

// Bidirectional marks (U+200E, U+200F, U+061C) stay: they only place neutral characters, and real
// right-to-left names hold them.
bool steersTerminal(QChar c)
{
    const ushort u = c.unicode();
    return (u < 0x20 && u != '\n') || (u >= 0x7f && u < 0xa0) || (u >= 0x202a && u <= 0x202e) ||
           (u >= 0x2066 && u <= 0x2069);
}

} // namespace

QString terminalText(const QString &text)
{
    if (std::none_of(text.begin(), text.end(), steersTerminal))
        return text;
    QString shown;
    for (const QChar c : text) {
        const ushort u = c.unicode();
        if (!steersTerminal(c))
            shown += c;
        else if (u < 0x100)
            shown += QStringLiteral("\\x%1").arg(u, 2, 16, QLatin1Char('0'));
        else
            shown += QStringLiteral("\\u%1").arg(u, 4, 16, QLatin1Char('0'));
    }
    return shown;
}

EventsFile::State listEvents(const QString &path, QDate today, int days, Listing &listing, QString *reason)
{
    const CalendarDay day(today);
    const EventsFile::State state = lookThrough(path, reason, [&](const Event &event, const RecordName &name) {
        const QDate next = event.nextOccurrence(day);
        const qint64 distance = dayDistance(today, next);
        if (days < 0 || (distance >= 0 && distance <= days))
            listing.push_back(listed(event, name, next, distance, today));
        return false;
    });
    sortListing(listing);
    return state;
}

EventsFile::State dueEvents(const QString &path, QDate today, Listing &listing, QString *reason)
{
    const CalendarDay day(today);
    return lookThrough(path, reason, [&](const Event &event, const RecordName &name) {
        if (ReminderRules::isDue(event, day)) {
            const QDate next = event.nextOccurrence(day);
            ListedEvent entry = listed(event, name, next, dayDistance(today, next), today);
            Event copy = event;
            copy.name = entry.name;
            entry.sentence = ReminderRules::sentence(copy, today);
            listing.push_back(std::move(entry));
        }
        return false;
    });
}

QByteArray listText(const Listing &listing)
{
    // English, and any language the tool does not speak, keeps the ISO date that scripts have long
    // read; a language it speaks gets its own short form with the whole year, in the same 10 columns.
    const QLocale locale;
    const bool iso = Languages::chosen() == QLatin1String("en");
    QString format = locale.dateFormat(QLocale::ShortFormat);
    if (!format.contains(QLatin1String("yyyy")))
        format.replace(QLatin1String("yy"), QLatin1String("yyyy"));
    QByteArray text;
    for (const ListedEvent &entry : listing) {
        if (entry.next.isNull()) {
            text.append("-");
            text.append(14, ' ');
            text.append('-');
        } else {
            if (iso)
                appendDate(text, entry.next);
            else
                text.append(locale.toString(entry.next, format).leftJustified(10).toUtf8());
            text.append(' ');
            appendNumber(text, entry.daysRemaining, 5);
        }
        text.append("  ");
        text.append(terminalText(oneLine(entry.name)).toUtf8());
        text.append('\n');
    }
    return text;
}

QByteArray dueText(const Listing &listing)
{
    QString text;
    for (const ListedEvent &entry : listing)
        text += terminalText(oneLine(entry.sentence)) + QLatin1Char('\n');
    return text.toUtf8();
}

QByteArray listJson(const Listing &listing)
{
    QJsonArray array;
    for (const ListedEvent &entry : listing) {
        const ListedEvent &e = entry;
        const bool coming = !entry.next.isNull();
        const QString schedule = scheduleName(e.schedule);
        array.append(QJsonObject{
            {QStringLiteral("name"), entry.name},
            {QStringLiteral("next"), coming ? QJsonValue(isoDate(entry.next)) : QJsonValue()},
            {QStringLiteral("daysRemaining"), coming ? QJsonValue(entry.daysRemaining) : QJsonValue()},
            {QStringLiteral("schedule"), schedule.isNull() ? QJsonValue() : QJsonValue(schedule)},
            {QStringLiteral("counted"), e.counted},
            {QStringLiteral("count"), e.count},
            {QStringLiteral("notify"), e.notify},
            {QStringLiteral("notifyDaysBefore"), e.notifyDaysBefore},
        });
    }
    return QJsonDocument(array).toJson(QJsonDocument::Indented);
}
