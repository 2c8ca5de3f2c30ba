// SPDX-License-Identifier: GPL-3.0-or-later
#include "interop/icalwriter.h"

#include "interop/veventmapping.h"

#include <KCalendarCore/ICalFormat>
#include <KCalendarCore/MemoryCalendar>

#include <QHash>
#include <QThread>
#include <QTimeZone>
#include <QUuid>
#include <QVector>

#include <future>
#include <vector>

QString eventUid(const QString &name)
{
    // Ours alone: the same name gives the same UID in every export, on every machine.
    static const QUuid space(QStringLiteral("{7d3f6b2e-5a41-4c8e-9f17-2b6c0e8a4d95}"));
    return QUuid::createUuidV5(space, name).toString(QUuid::WithoutBraces);
}

namespace {

struct Part
{
    QByteArray text;
    ExportReport report;
};

// Events from `begin` to `end` as VEVENT texts, one format object per thread.
Part writeEvents(const EventStore &events, const QVector<QString> &uids, int begin, int end, QDate today)
{
    Part part;
    KCalendarCore::ICalFormat format;
    for (int i = begin; i < end; ++i) {
        const Event *event = events[i];
        const VEventExport made = toVEvent(*event, today);
        if (!made.vevent) {
            part.report.skipped.append({event->name, made.skipped});
            continue;
        }
        made.vevent->setUid(uids[i]);
        part.text += format.toRawString(made.vevent);
        if (!made.inexact.isEmpty())
            part.report.inexact.append({event->name, made.inexact});
        ++part.report.written;
    }
    return part;
}

} // namespace

QByteArray writeICalendar(const EventStore &events, QDate today, ExportReport *report)
{
    KCalendarCore::CalFormat::setApplication(QStringLiteral("Oriventa"), QStringLiteral("-//Brindlex//Oriventa//EN"));
    KCalendarCore::ICalFormat format;
    // The calendar's frame comes from an empty calendar; the events go in one by one, in list
    // order, which a calendar object would not keep (and would spend time indexing).
    const QByteArray frame =
        format.toString(KCalendarCore::MemoryCalendar::Ptr(new KCalendarCore::MemoryCalendar(QTimeZone::utc())))
            .toUtf8();
    const QByteArray end = "END:VCALENDAR";
    const int endAt = frame.lastIndexOf(end);

    // A second event of the same name must not replace the first in a calendar.
    QVector<QString> uids(events.size());
    QHash<QString, int> seen;
    for (int i = 0; i < events.size(); ++i) {
        const QString &name = events[i]->name;
        const int earlier = seen[name]++;
        uids[i] = eventUid(earlier == 0 ? name : name + QLatin1Char('\n') + QString::number(earlier));
    }

    // Turning an event into text costs some 25 µs, mostly inside the libraries, so a long list
    // is shared out among the processor's cores; the parts are joined in list order.
    constexpr int smallestPart = 256;
    const int parts = qBound(1, int(events.size() / smallestPart), QThread::idealThreadCount());
    std::vector<std::future<Part>> others;
    const auto bound = [&](int p) { return int(qint64(events.size()) * p / parts); };
    for (int p = 1; p < parts; ++p)
        others.push_back(std::async(std::launch::async, writeEvents, std::cref(events), std::cref(uids), bound(p),
                                    bound(p + 1), today));
    std::vector<Part> done;
    done.push_back(writeEvents(events, uids, 0, bound(1), today));
    for (std::future<Part> &other : others)
        done.push_back(other.get());

    QByteArray out = frame.left(endAt);
    ExportReport total;
    for (const Part &part : done) {
        out += part.text;
        total.written += part.report.written;
        total.inexact += part.report.inexact;
        total.skipped += part.report.skipped;
    }
    out += frame.mid(endAt);
    if (report)
        *report = total;
    return out;
}
