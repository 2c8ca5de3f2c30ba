// SPDX-License-Identifier: GPL-3.0-or-later
#include "interop/fileimport.h"

#include "interop/icalreader.h"
#include "interop/vcardreader.h"

#include <QBuffer>
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

QString plural(int n, const char *one, const char *many)
{
    return QStringLiteral("%1 %2").arg(n).arg(QLatin1String(n == 1 ? one : many));
}

// An events file is one that reads whole, or of which at least one record reads before the damage.
bool readEventsFile(QIODevice &device, ImportReport *report)
{
    LoadStatus status = LoadStatus::Missing;
    report->events = loadEvents(device, &status);
    if (status == LoadStatus::Complete)
        return true;
    if (status == LoadStatus::Damaged && !report->events.isEmpty()) {
        report->damage = QStringLiteral("The file is damaged; only the %1 before the damage could be read.")
                             .arg(plural(report->events.size(), "event", "events"));
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

FileImport unknownFormat()
{
    return failed(QStringLiteral("is neither an events file, an iCalendar file nor a vCard file"));
}

// A file that held nothing readable but said it was damaged is refused as a whole: the user
// should hear that it could not be read, not that it held nothing.
FileImport finish(FileFormat format, ImportReport &&report)
{
    const bool nothingRead =
        report.events.isEmpty() && report.skipped.isEmpty() && report.undated == 0 && !report.damage.isEmpty();
    FileImport result =
        nothingRead ? failed(QStringLiteral("is damaged and holds nothing that could be read")) : FileImport();
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
        return failed(QStringLiteral("could not be read: %1").arg(file.errorString()));
    const auto tooLarge = [] {
        return failed(QStringLiteral("is larger than %1 MiB, too large for a contacts or calendar file")
                          .arg(MaxTextFileSize / (1024 * 1024)));
    };
    if (file.isSequential() || file.size() <= MaxTextFileSize) {
        // Bounded even for a device that never ends.
        const QByteArray data = file.read(MaxTextFileSize + 1);
        if (file.error() != QFileDevice::NoError)
            return failed(QStringLiteral("could not be read: %1").arg(file.errorString()));
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
    lines << (summary.added == 0
                  ? QStringLiteral("Nothing was added from %1.").arg(fileName)
                  : QStringLiteral("Added %1 from %2.").arg(plural(summary.added, "event", "events"), fileName));
    if (!summary.nameTaken.isEmpty()) {
        QString line = QStringLiteral("Skipped %1 because the name is already taken: %2")
                           .arg(plural(summary.nameTaken.size(), "event", "events"),
                                summary.nameTaken.mid(0, ListedNames).join(QStringLiteral(", ")));
        if (summary.nameTaken.size() > ListedNames)
            line += QStringLiteral(" and %1 more").arg(summary.nameTaken.size() - ListedNames);
        lines << line + QLatin1Char('.');
    }
    if (!summary.skipped.isEmpty()) {
        lines << QStringLiteral("Left out %1 that Oriventa cannot represent:")
                     .arg(plural(summary.skipped.size(), "entry", "entries"));
        for (int i = 0; i < summary.skipped.size() && i < ListedNames; ++i)
            lines << QStringLiteral("  %1: %2.").arg(summary.skipped[i].name, summary.skipped[i].reason);
        if (summary.skipped.size() > ListedNames)
            lines << QStringLiteral("  and %1 more.").arg(summary.skipped.size() - ListedNames);
    }
    if (summary.undated > 0)
        lines << (summary.undated == 1
                      ? QStringLiteral("1 contact has neither a birthday nor an anniversary.")
                      : QStringLiteral("%1 contacts have neither a birthday nor an anniversary.").arg(summary.undated));
    if (!summary.damage.isEmpty())
        lines << summary.damage;
    return lines.join(QLatin1Char('\n'));
}
