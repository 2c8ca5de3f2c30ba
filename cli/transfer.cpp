// SPDX-License-Identifier: GPL-3.0-or-later
#include "cli/transfer.h"

#include "app/instancelock.h"
#include "cli/texts.h"
#include "interop/fileexport.h"
#include "interop/fileimport.h"
#include "model/eventsfile.h"
#include "model/preferences.h"

#include <QFileInfo>
#include <QSet>

#include <vector>

namespace {

// The events file as a window would load it. False when it is there but cannot be read: saving
// over it would lose it.
bool openList(EventsFile &list, QString &err)
{
    switch (list.open()) {
    case EventsFile::State::Unreadable:
        err += fileProblem(list.path(), list.reason());
        return false;
    case EventsFile::State::Damaged:
        err += fileDamaged(list.path());
        return true;
    default:
        return true;
    }
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

QString runningText()
{
    return Cli::tr("Oriventa is running; close it and try again.\n");
}

QString fileProblem(const QString &path, const QString &reason)
{
    //: %1 is the reason the system gives
    return problem(path, Cli::tr("the events file cannot be read: %1").arg(reason));
}

QString fileDamaged(const QString &path)
{
    return problem(path, Cli::tr("the events file is damaged: only the events before the damage are used; "
                                 "open Oriventa to keep them and set the rest aside"));
}

Outcome importFiles(const QStringList &files, QDate today, QString &out, QString &err)
{
    InstanceLock lock;
    if (lock.isHeldElsewhere()) {
        err += runningText();
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
            err += problem(file, import.error.isEmpty() ? Cli::tr("cannot be imported") : import.error);
            qDeleteAll(import.report.events);
            discard();
            return Outcome::FileError;
        }
        imports.push_back(std::move(import));
    }

    EventsFile list;
    if (!openList(list, err)) {
        discard();
        return Outcome::FileError;
    }
    EventStore &events = list.events();
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
        const bool wasDamaged = list.state() == EventsFile::State::Damaged;
        if (!list.save()) {
            err +=
                problem(list.path(),
                        //: %1 is the reason the system gives
                        Cli::tr("the events file could not be saved (%1); nothing was imported").arg(list.saveError()));
            outcome = Outcome::FileError;
        } else if (wasDamaged && !list.keptCopy().isEmpty()) {
            err += problem(list.path(),
                           //: %1 is the path of the copy kept
                           Cli::tr("the events file was damaged; it was kept as %1").arg(list.keptCopy()));
        }
    }
    if (outcome == Outcome::Done) {
        for (const QString &summary : summaries)
            out += asLines(summary);
    }
    return outcome;
}

Outcome exportEvents(const QString &file, QDate today, QString &out, QString &err)
{
    EventsFile list;
    if (!openList(list, err))
        return Outcome::FileError;
    ExportReport report;
    QString error;
    const bool written = exportFile(list.events(), file, today, &report, &error);
    const int count = list.events().size();
    if (!written) {
        //: %1 is the reason the system gives
        err += problem(file, Cli::tr("could not be written: %1").arg(error));
        return Outcome::FileError;
    }
    // An events file keeps everything; saying how many went there is enough.
    out += exportHasSummary(file)
               ? asLines(exportSummaryText(QFileInfo(file).fileName(), report))
               //: %1 is the name of the file written
               : Cli::tr("Exported %n events to %1.\n", nullptr, count).arg(QFileInfo(file).fileName());
    return Outcome::Done;
}
