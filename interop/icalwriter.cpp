// SPDX-License-Identifier: GPL-3.0-or-later
#include "interop/icalwriter.h"

#include "interop/veventmapping.h"

#include <KCalendarCore/ICalFormat>
#include <KCalendarCore/MemoryCalendar>

#include <QHash>
#include <QTimeZone>
#include <QUuid>

QString eventUid(const QString &name)
{
    // Ours alone: the same name gives the same UID in every export, on every machine.
    static const QUuid space(QStringLiteral("{7d3f6b2e-5a41-4c8e-9f17-2b6c0e8a4d95}"));
    return QUuid::createUuidV5(space, name).toString(QUuid::WithoutBraces);
}

QByteArray writeICalendar(const EventStore &events, QDate today, ExportReport *report)
{
    ExportReport done;
    KCalendarCore::CalFormat::setApplication(QStringLiteral("Oriventa"), QStringLiteral("-//Brindlex//Oriventa//EN"));
    KCalendarCore::ICalFormat format;
    // The calendar's frame comes from an empty calendar; the events go in one by one, in list
    // order, which a calendar object would not keep (and would spend time indexing).
    const QByteArray frame =
        format.toString(KCalendarCore::MemoryCalendar::Ptr(new KCalendarCore::MemoryCalendar(QTimeZone::utc())))
            .toUtf8();
    const QByteArray end = "END:VCALENDAR";
    const int endAt = frame.lastIndexOf(end);
    QByteArray out = frame.left(endAt);
    QHash<QString, int> seen;
    for (const Event *event : events) {
        const VEventExport made = toVEvent(*event, today);
        if (!made.vevent) {
            done.skipped.append({event->name, made.skipped});
            continue;
        }
        // A second event of the same name must not replace the first in a calendar.
        const int earlier = seen[event->name]++;
        made.vevent->setUid(
            eventUid(earlier == 0 ? event->name : event->name + QLatin1Char('\n') + QString::number(earlier)));
        out += format.toRawString(made.vevent);
        if (!made.inexact.isEmpty())
            done.inexact.append({event->name, made.inexact});
        ++done.written;
    }
    out += frame.mid(endAt);
    if (report)
        *report = done;
    return out;
}
