// SPDX-License-Identifier: GPL-3.0-or-later
#include "interop/fileimport.h"

#include "interop/icalreader.h"
#include "interop/vcardreader.h"
#include "model/savefile.h"

#include <QBuffer>
#include <QCoreApplication>
#include <QFile>
#include <QSet>

namespace {

// Far beyond any real address book or calendar; the events file, read record by record, has no
// such limit.
constexpr qint64 MaxTextFileSize = 64 * 1024 * 1024;
// Enough of a file's head to see past a byte-order mark and some blank lines.
constexpr qint64 HeadSize = 4096;
constexpr int ListedNames = 10;

// The text formats by their first line, after an optional UTF-8 byte-order mark and blank lines.
FileFormat textFormat(const QByteArray &data)
{
    int pos = data.startsWith("\xEF\xBB\xBF") ? 3 : 0;
    while (pos < data.size() && (data[pos] == ' ' || data[pos] == '\t' || data[pos] == '\r' || data[pos] == '\n'))
        ++pos;
    int end = data.indexOf('\n', pos);
    if (end < 0)
        end = data.size();
    // The whole first line, so that "BEGIN:VCARDS" is neither.
    const QByteArray line = end - pos > 64 ? QByteArray() : data.mid(pos, end - pos).trimmed();
    const auto is = [&](const char *first) { return line.compare(first, Qt::CaseInsensitive) == 0; };
    if (is("BEGIN:VCALENDAR"))
        return FileFormat::ICalendar;
    if (is("BEGIN:VCARD"))
        return FileFormat::VCard;
    return FileFormat::Unknown;
}

// An events file is one that reads whole, or of which at least one record reads before the damage.
bool readEventsFile(QIODevice &device, ImportReport *report)
{
    LoadStatus status = LoadStatus::Missing;
    report->events = loadEvents(device, &status);
    if (status == LoadStatus::Complete)
        return true;
    if (status == LoadStatus::Damaged && !report->events.isEmpty()) {
        report->damage = QCoreApplication::translate(
            "Import", "The file is damaged; only the %n events before the damage could be read.", nullptr,
            report->events.size());
        return true;
    }
    qDeleteAll(report->events);
    report->events.clear();
    return false;
}

bool readEventsData(const QByteArray &data, ImportReport *report)
{
    if (data.isEmpty())
        return false;
    QBuffer buffer;
    buffer.setData(data);
    buffer.open(QIODevice::ReadOnly);
    return readEventsFile(buffer, report);
}

FileImport failed(const QString &error)
{
    FileImport result;
    result.error = error;
    return result;
}

FileImport couldNotRead(const QFile &file)
{
    //: Why a file could not be imported, after "<file> could not be imported: "; %1 is the system's reason.
    return failed(QCoreApplication::translate("Import", "could not be read: %1").arg(fileErrorText(file)));
}

FileImport unknownFormat()
{
    //: Why a file could not be imported, after "<file> could not be imported: ".
    return failed(
        QCoreApplication::translate("Import", "is neither an events file, an iCalendar file nor a vCard file"));
}

// A file that held nothing readable but said it was damaged is refused as a whole: the user
// should hear that it could not be read, not that it held nothing.
FileImport finish(FileFormat format, ImportReport &&report)
{
    const bool nothingRead =
        report.events.isEmpty() && report.skipped.isEmpty() && report.undated == 0 && !report.damage.isEmpty();
    FileImport result =
        //: Why a file could not be imported, after "<file> could not be imported: ".
        nothingRead ? failed(QCoreApplication::translate("Import", "is damaged and holds nothing that could be read"))
                    : FileImport();
    result.format = format;
    if (!nothingRead) {
        result.ok = true;
        result.report = std::move(report);
    }
    return result;
}

} // namespace

FileFormat detectFormat(const QByteArray &data)
{
    const FileFormat text = textFormat(data);
    if (text != FileFormat::Unknown)
        return text;
    ImportReport report;
    const bool events = readEventsData(data, &report);
    qDeleteAll(report.events);
    return events ? FileFormat::Events : FileFormat::Unknown;
}

FileImport readImportFile(const QString &path, const Preferences &defaults, QDate today)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return couldNotRead(file);
    const auto tooLarge = [] {
        //: Why a file could not be imported, after "<file> could not be imported: ".
        return failed(
            QCoreApplication::translate("Import", "is larger than %1 MiB, too large for a contacts or calendar file")
                .arg(MaxTextFileSize / (1024 * 1024)));
    };
    if (file.isSequential() || file.size() <= MaxTextFileSize) {
        // Bounded even for a device that never ends.
        const QByteArray data = file.read(MaxTextFileSize + 1);
        if (file.error() != QFileDevice::NoError)
            return couldNotRead(file);
        return data.size() > MaxTextFileSize ? tooLarge() : readImportData(data, defaults, today);
    }
    // Only an events file may be this large: it is read from the file as it goes.
    if (textFormat(file.peek(HeadSize)) != FileFormat::Unknown)
        return tooLarge();
    ImportReport report;
    if (!readEventsFile(file, &report))
        return unknownFormat();
    return finish(FileFormat::Events, std::move(report));
}

FileImport readImportData(const QByteArray &data, const Preferences &defaults, QDate today)
{
    switch (textFormat(data)) {
    case FileFormat::VCard:
        return finish(FileFormat::VCard, readVCards(data, defaults, today));
    case FileFormat::ICalendar:
        return finish(FileFormat::ICalendar, readICalendar(data, defaults, today));
    case FileFormat::Events:
    case FileFormat::Unknown:
        break;
    }
    ImportReport report;
    if (!readEventsData(data, &report))
        return unknownFormat();
    return finish(FileFormat::Events, std::move(report));
}

ImportSummary takeNewEvents(ImportReport &report, const std::function<bool(const QString &)> &isTaken,
                            EventStore &accepted)
{
    ImportSummary summary;
    QSet<QString> seen;
    for (Event *event : qAsConst(report.events)) {
        if (seen.contains(event->name) || isTaken(event->name)) {
            summary.nameTaken << event->name;
            delete event;
            continue;
        }
        seen.insert(event->name);
        accepted << event;
        ++summary.added;
    }
    report.events.clear();
    summary.skipped = std::move(report.skipped);
    report.skipped.clear();
    summary.undated = report.undated;
    report.undated = 0;
    summary.damage = std::move(report.damage);
    report.damage.clear();
    return summary;
}

QString importSummaryText(const QString &fileName, const ImportSummary &summary)
{
    QStringList lines;
    //: %1 is the file's name.
    lines << (summary.added == 0
                  ? QCoreApplication::translate("Import", "Nothing was added from %1.").arg(fileName)
                  : QCoreApplication::translate("Import", "Added %n events from %1.", nullptr, summary.added)
                        .arg(fileName));
    const int taken = summary.nameTaken.size();
    const QString takenNames = summary.nameTaken.mid(0, ListedNames).join(QStringLiteral(", "));
    if (taken > ListedNames)
        //: %1 lists the first names, %2 is how many more there are.
        lines << QCoreApplication::translate(
                     "Import", "Skipped %n events because the name is already taken: %1 and %2 more.", nullptr, taken)
                     .arg(takenNames, QString::number(taken - ListedNames));
    else if (taken > 0)
        //: %1 lists the names.
        lines << QCoreApplication::translate("Import", "Skipped %n events because the name is already taken: %1.",
                                             nullptr, taken)
                     .arg(takenNames);
    if (!summary.skipped.isEmpty()) {
        lines << QCoreApplication::translate("Import", "Left out %n entries that Oriventa cannot represent:", nullptr,
                                             summary.skipped.size());
        for (int i = 0; i < summary.skipped.size() && i < ListedNames; ++i)
            //: An entry left out: %1 is its name, %2 why ("has no date", …).
            lines << QStringLiteral("  ") + QCoreApplication::translate("Import", "%1: %2.")
                                                .arg(summary.skipped[i].name, summary.skipped[i].reason);
        if (summary.skipped.size() > ListedNames)
            //: The end of a list too long to show whole.
            lines << QStringLiteral("  ") + QCoreApplication::translate("Import", "and %n more.", nullptr,
                                                                        summary.skipped.size() - ListedNames);
    }
    if (summary.undated > 0)
        lines << QCoreApplication::translate("Import", "%n contacts have neither a birthday nor an anniversary.",
                                             nullptr, summary.undated);
    if (!summary.damage.isEmpty())
        lines << summary.damage;
    return lines.join(QLatin1Char('\n'));
}
