// SPDX-License-Identifier: GPL-3.0-or-later
#include "tests/support/randomevents.h"

#include <algorithm>
#include <limits>

namespace TestHelpers {

bool chance(QRandomGenerator &rng, int percent)
{
    return rng.bounded(100) < percent;
}

QDate randomDay(QRandomGenerator &rng)
{
    if (chance(rng, 30)) {
        const QDate first(rng.bounded(1700, 2401), rng.bounded(1, 13), 1);
        return first.addDays(rng.bounded(-2, 2));
    }
    const qint64 low = QDate(1700, 1, 1).toJulianDay();
    const qint64 high = QDate(2400, 12, 31).toJulianDay();
    return QDate::fromJulianDay(low + rng.bounded(int(high - low + 1)));
}

Event randomEvent(QRandomGenerator &rng, ScheduleKind kind)
{
    Event e;
    e.name = QStringLiteral("Random");
    e.schedule = kind;
    e.date = chance(rng, 50) ? randomDay(rng) : QDate();
    e.useDayNumber = chance(rng, 50);
    e.wholeYear = chance(rng, 50);
    for (bool &b : e.weekdays)
        b = chance(rng, kind == Weekly ? 30 : 15);
    for (bool &b : e.months)
        b = chance(rng, 15);
    e.ordinal = rng.bounded(-5, 400);

    switch (kind) {
    case Singular:
    case Weekly:
        break;
    case Monthly:
        e.ordinal = e.hasWeekday() ? rng.bounded(1, 6) : rng.bounded(1, 32);
        break;
    case Yearly: {
        int limit = 366;
        if (e.hasWeekday() && e.wholeYear)
            limit = 53;
        if (e.useDayNumber && e.hasMonth())
            limit = std::min(limit, 31);
        if (e.hasWeekday() && e.hasMonth())
            limit = 5;
        e.ordinal = rng.bounded(1, limit + 1);
        break;
    }
    }
    return e;
}

namespace {

qint32 anyInt(QRandomGenerator &rng)
{
    static const qint32 edges[] = {0, 1, -1, std::numeric_limits<qint32>::min(), std::numeric_limits<qint32>::max()};
    if (chance(rng, 30))
        return edges[rng.bounded(5)];
    return qint32(rng.generate());
}

// Null, or any day a file can name: Julian day 1 to 0xFFFFFFFF.
QDate anyDate(QRandomGenerator &rng)
{
    if (chance(rng, 15))
        return QDate();
    if (chance(rng, 50))
        return QDate(2000, 1, 1).addDays(rng.bounded(-40000, 40000));
    return QDate::fromJulianDay(qint64(rng.bounded(0xFFFFFFFFu)) + 1);
}

// Null, empty, or any UTF-16 code units, lone surrogates included; now and then longer than the
// reader's and writer's blocks.
QString anyName(QRandomGenerator &rng)
{
    if (chance(rng, 10))
        return QString();
    if (chance(rng, 10))
        return QLatin1String("");
    const int length = chance(rng, 2) ? rng.bounded(30000, 70000) : rng.bounded(1, 40);
    QString name(length, Qt::Uninitialized);
    for (QChar &c : name)
        c = chance(rng, 70) ? QChar(ushort(rng.bounded(0x20, 0x7f))) : QChar(ushort(rng.bounded(0x10000)));
    return name;
}

} // namespace

Event anyEvent(QRandomGenerator &rng)
{
    Event e;
    e.name = anyName(rng);
    e.counted = chance(rng, 50);
    e.count = anyInt(rng);
    e.countDate = anyDate(rng);
    e.schedule = ScheduleKind(chance(rng, 80) ? rng.bounded(4) : anyInt(rng));
    e.date = anyDate(rng);
    for (bool &b : e.weekdays)
        b = chance(rng, 50);
    e.useDayNumber = chance(rng, 50);
    e.ordinal = anyInt(rng);
    for (bool &b : e.months)
        b = chance(rng, 50);
    e.wholeYear = chance(rng, 50);
    e.notify = chance(rng, 50);
    e.notifyDaysBefore = anyInt(rng);
    e.showOnce = chance(rng, 50);
    e.lastNotified = anyDate(rng);
    e.snoozeDays = anyInt(rng);
    return e;
}

} // namespace TestHelpers
