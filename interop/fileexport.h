// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "interop/icalwriter.h"
#include "model/eventstore.h"

#include <QDate>
#include <QString>

// Writes the events to `path`, atomically: iCalendar when the name ends in ".ics" (any case),
// otherwise an events file. False when it could not be written; `error` then holds the system's
// reason ("Permission denied"), for the caller to name the file once.
bool exportFile(const EventStore &events, const QString &path, QDate today, ExportReport *report, QString *error);

// True when the export of `path` deserves a summary (an iCalendar file; an events file keeps
// everything and says nothing).
bool exportHasSummary(const QString &path);
QString exportSummaryText(const QString &fileName, const ExportReport &report);
