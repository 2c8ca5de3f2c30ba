// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "interop/importreport.h"
#include "model/preferences.h"

#include <QByteArray>
#include <QDate>
#include <QString>
#include <QStringList>

#include <functional>

// The formats an import takes, recognised by content whatever the file's name.
enum class FileFormat
{
    Unknown,
    Events,    // our own events file
    ICalendar, // RFC 5545
    VCard,     // 2.1, 3.0 or 4.0
};

FileFormat detectFormat(const QByteArray &data);

struct FileImport
{
    bool ok = false; // false: unreadable or of no known format; `error` says why, nothing to add
    QString error;
    FileFormat format = FileFormat::Unknown;
    ImportReport report;
};

// Reads a file for import; new events get the import defaults of the settings page.
FileImport readImportFile(const QString &path, const Preferences &defaults, QDate today);
FileImport readImportData(const QByteArray &data, const Preferences &defaults, QDate today);

// What an import did, for its one summary.
struct ImportSummary
{
    int added = 0;
    QStringList nameTaken;
    QList<Unrepresentable> skipped;
    int undated = 0;
    QString damage;
};

// Moves the events whose names are free (neither `isTaken` nor earlier in the same file) into
// `accepted` in file order and deletes the others; the report is left empty.
ImportSummary takeNewEvents(ImportReport &report, const std::function<bool(const QString &)> &isTaken,
                            EventStore &accepted);

// The summary shown after an import of the file named `fileName`: plain text, several lines.
QString importSummaryText(const QString &fileName, const ImportSummary &summary);
