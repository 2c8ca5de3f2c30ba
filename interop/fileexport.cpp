// SPDX-License-Identifier: GPL-3.0-or-later
#include "interop/fileexport.h"

// Placeholder until the export is written.
bool exportFile(const EventStore &, const QString &, QDate, ExportReport *, QString *)
{
    return false;
}

bool exportHasSummary(const QString &)
{
    return false;
}

QString exportSummaryText(const QString &, const ExportReport &)
{
    return {};
}
