// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "interop/importreport.h"
#include "model/eventstore.h"

#include <QByteArray>
#include <QDate>
#include <QString>

// The same name always gives the same UID, so a calendar that receives an export twice updates
// its events instead of doubling them.
QString eventUid(const QString &name);

struct ExportReport
{
    int written = 0;
    // Written with the closest rule a calendar can state; the reason says how it differs.
    QList<Unrepresentable> inexact;
    // Not written at all (no date to put in a calendar).
    QList<Unrepresentable> skipped;
};

// One all-day VEVENT per event, in list order.
QByteArray writeICalendar(const EventStore &events, QDate today, ExportReport *report);
