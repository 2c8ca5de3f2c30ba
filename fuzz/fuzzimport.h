// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "interop/fileimport.h"

#include <cstdlib>

// Runs the whole file import on `data` as a file of `format`, putting `firstLine` before bytes that
// do not begin like one, so that the fuzzer spends its time inside that reader. Aborts on a broken
// promise: a refused file with events, an event the rules cannot work with, a summary that fails.
inline int fuzzImport(const uint8_t *data, size_t size, FileFormat format, const char *firstLine)
{
    QByteArray input(reinterpret_cast<const char *>(data), int(size));
    if (detectFormat(input) != format)
        input.prepend(firstLine);
    const QDate today(2027, 1, 13);
    FileImport import = readImportData(input, Preferences(), today);
    if (import.ok ? import.format != format : !import.report.events.isEmpty() || import.error.isEmpty())
        std::abort();
    for (const Event *event : qAsConst(import.report.events)) {
        if (event->checkEvent() != Valid)
            std::abort();
        event->nextOccurrence(today);
    }
    EventStore list;
    const ImportSummary summary = takeNewEvents(
        import.report, [](const QString &name) { return name.startsWith(QLatin1Char('A')); }, list);
    if (summary.added != list.size() || importSummaryText(QStringLiteral("fuzz"), summary).isEmpty())
        std::abort();
    qDeleteAll(list);
    return 0;
}
