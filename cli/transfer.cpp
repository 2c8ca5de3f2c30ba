// SPDX-License-Identifier: GPL-3.0-or-later
#include "cli/transfer.h"

#include "app/instancelock.h"
#include "interop/fileexport.h"
#include "interop/fileimport.h"
#include "model/eventstore.h"
#include "model/preferences.h"

#include <QFile>
#include <QFileInfo>
#include <QSet>

#include <vector>

namespace {

// The events file as a window would load it. False when it is there but cannot be read: saving
// over it would lose it.
bool loadList(const QString &path, EventStore &events, LoadStatus &status, QString &err)
{
    events = loadEvents(path, &status);
    if (status == LoadStatus::Missing && QFile::exists(path)) {
        err += QStringLiteral("oriventa-cli: %1: the events file cannot be read\n").arg(path);
        return false;
    }
    return true;
}

QString problem(const QString &file, const QString &reason)
{
    return QStringLiteral("oriventa-cli: %1: %2\n").arg(file, reason);
}

// A summary as whole lines of standard output.
QString asLines(const QString &summary)
{
    return summary.isEmpty() || summary.endsWith(QLatin1Char('\n')) ? summary : summary + QLatin1Char('\n');
}

} // namespace

Outcome importFiles(const QStringList &files, QDate today, QString &out, QString &err)
{
    InstanceLock lock;
    if (lock.isHeldElsewhere()) {
        err += QStringLiteral("Oriventa is running; close it and try again.\n");
        return Outcome::Running;
    }
    Preferences defaults;
    readPreferences(defaults, settingsFilePath());

    std::vector<FileImport> imports;
    const auto discard = [&imports] {
        for (FileImport &import : imports)
            qDeleteAll(import.report.events);
    };
    for (const QString &file : files) {
        FileImport import = readImportFile(file, defaults, today);
        if (!import.ok) {
            err += problem(file, import.error.isEmpty() ? QStringLiteral("cannot be imported") : import.error);
            qDeleteAll(import.report.events);
            discard();
            return Outcome::FileError;
        }
        imports.push_back(std::move(import));
    }

    const QString path = eventsFilePath();
    EventStore events;
    LoadStatus status = LoadStatus::Missing;
    if (!loadList(path, events, status, err)) {
        discard();
        return Outcome::FileError;
    }
    QSet<QString> names;
    for (const Event *event : events)
        names.insert(event->name);
    const int before = events.size();
    QStringList summaries;
    for (int i = 0; i < files.size(); ++i) {
        EventStore accepted;
        const ImportSummary summary = takeNewEvents(
            imports[size_t(i)].report, [&names](const QString &name) { return names.contains(name); }, accepted);
        for (const Event *event : accepted)
            names.insert(event->name);
        events += accepted;
        summaries << importSummaryText(QFileInfo(files.at(i)).fileName(), summary);
    }

    Outcome outcome = Outcome::Done;
    // Nothing added leaves the file as it was, down to its time stamp.
    if (events.size() > before) {
        const SaveOutcome saved = saveEventsKeepingDamaged(events, path, status == LoadStatus::Damaged);
        if (!saved.saved) {
            err += problem(path, QStringLiteral("the events file could not be saved; nothing was imported"));
            outcome = Outcome::FileError;
        } else if (!saved.keptPath.isEmpty() && saved.original != KeptOriginal::NotNeeded) {
            err += problem(path, QStringLiteral("the events file was damaged; it was kept as %1").arg(saved.keptPath));
        }
    }
    if (outcome == Outcome::Done) {
        for (const QString &summary : summaries)
            out += asLines(summary);
    }
    qDeleteAll(events);
    return outcome;
}

Outcome exportEvents(const QString &file, QDate today, QString &out, QString &err)
{
    EventStore events;
    LoadStatus status = LoadStatus::Missing;
    if (!loadList(eventsFilePath(), events, status, err))
        return Outcome::FileError;
    if (status == LoadStatus::Damaged)
        err += problem(eventsFilePath(), QStringLiteral("the events file is damaged; the events before the damage "
                                                        "are exported"));
    ExportReport report;
    QString error;
    const bool written = exportFile(events, file, today, &report, &error);
    const int count = events.size();
    qDeleteAll(events);
    if (!written) {
        err += problem(file, error.isEmpty() ? QStringLiteral("cannot be written") : error);
        return Outcome::FileError;
    }
    // An events file keeps everything; saying how many went there is enough.
    out += exportHasSummary(file)
               ? asLines(exportSummaryText(QFileInfo(file).fileName(), report))
               : QStringLiteral("Exported %1 events to %2.\n").arg(count).arg(QFileInfo(file).fileName());
    return Outcome::Done;
}
