// SPDX-License-Identifier: GPL-3.0-or-later
#include "interop/fileimport.h"

// Placeholder until the import is written.
FileFormat detectFormat(const QByteArray &)
{
    return FileFormat::Unknown;
}

FileImport readImportFile(const QString &, const Preferences &, QDate)
{
    return {};
}

FileImport readImportData(const QByteArray &, const Preferences &, QDate)
{
    return {};
}

ImportSummary takeNewEvents(ImportReport &, const std::function<bool(const QString &)> &, EventStore &)
{
    return {};
}

QString importSummaryText(const QString &, const ImportSummary &)
{
    return {};
}
