// SPDX-License-Identifier: GPL-3.0-or-later
#include "interop/fileexport.h"

#include "model/savefile.h"

#include <QCoreApplication>
#include <QIODevice>

namespace {

constexpr int ListedEntries = 10;

// The first ten entries, one a line, and how many more there are.
QString listed(const QList<Unrepresentable> &entries)
{
    QString text;
    for (int i = 0; i < entries.size() && i < ListedEntries; ++i)
        //: An entry of a list: %1 is an event's name, %2 why it is listed ("has no date", …).
        text += QStringLiteral("\n    ") +
                QCoreApplication::translate("Export", "%1: %2").arg(entries[i].name, entries[i].reason);
    if (entries.size() > ListedEntries)
        //: The end of a list too long to show whole.
        text += QStringLiteral("\n    ") +
                QCoreApplication::translate("Export", "and %n more", nullptr, entries.size() - ListedEntries);
    return text;
}

} // namespace

bool exportHasSummary(const QString &path)
{
    return path.endsWith(QLatin1String(".ics"), Qt::CaseInsensitive);
}

bool exportFile(const EventStore &events, const QString &path, QDate today, ExportReport *report, QString *error)
{
    ExportReport done;
    bool saved = false;
    if (exportHasSummary(path)) {
        const QByteArray bytes = writeICalendar(events, today, &done);
        saved = saveFileAtomically(
            path, [&bytes](QIODevice &device) { return writeAll(device, bytes); }, NewFileAccess::Shared, error);
    } else {
        done.written = events.size();
        saved = saveEvents(events, path, error);
    }
    if (report)
        *report = done;
    return saved;
}

QString exportSummaryText(const QString &fileName, const ExportReport &report)
{
    //: %1 is the file's name.
    QString text =
        QCoreApplication::translate("Export", "Wrote %n events to %1.", nullptr, report.written).arg(fileName);
    if (!report.inexact.isEmpty())
        text += QStringLiteral("\n\n") +
                QCoreApplication::translate(
                    "Export", "%n events were written with the closest rule a calendar can state:", nullptr,
                    report.inexact.size()) +
                listed(report.inexact);
    if (!report.skipped.isEmpty())
        text += QStringLiteral("\n\n") +
                QCoreApplication::translate("Export", "%n events were left out:", nullptr, report.skipped.size()) +
                listed(report.skipped);
    return text;
}
