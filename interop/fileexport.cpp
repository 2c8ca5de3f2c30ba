// SPDX-License-Identifier: GPL-3.0-or-later
#include "interop/fileexport.h"

#include "model/savefile.h"

#include <QIODevice>

namespace {

QString events(int n)
{
    return n == 1 ? QStringLiteral("1 event") : QStringLiteral("%1 events").arg(n);
}

QString wasWere(int n)
{
    return events(n) + (n == 1 ? QStringLiteral(" was") : QStringLiteral(" were"));
}

// The first ten entries, one a line, and how many more there are.
QString listed(const QList<Unrepresentable> &entries)
{
    QString text;
    for (int i = 0; i < entries.size() && i < 10; ++i)
        text += QStringLiteral("\n    %1: %2").arg(entries[i].name, entries[i].reason);
    if (entries.size() > 10)
        text += QStringLiteral("\n    and %1 more").arg(entries.size() - 10);
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
    QString text = QStringLiteral("Wrote %1 to %2.").arg(events(report.written), fileName);
    if (!report.inexact.isEmpty())
        text += QStringLiteral("\n\n%1 written with the closest rule a calendar can state:")
                    .arg(wasWere(report.inexact.size())) +
                listed(report.inexact);
    if (!report.skipped.isEmpty())
        text += QStringLiteral("\n\n%1 left out:").arg(wasWere(report.skipped.size())) + listed(report.skipped);
    return text;
}
