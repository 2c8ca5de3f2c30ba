// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "interop/importreport.h"

#include <QByteArray>
#include <QSet>
#include <QString>

// libical reads a content line in time that grows with the square of its length: a hostile file
// with one line of megabytes would hold the import for minutes. Lines longer than a kilobyte are
// folded (a line break and a space, which unfolding takes out again), so that nothing changes.
QByteArray foldLongLines(const QByteArray &data);

// What KCalendarCore lets go without a word while reading a calendar, found through libical:
// a repeat rule or exception it could not read (the event would otherwise come in as a one-off
// or repeat without its exceptions), and a second entry with a UID already used.
struct LostInReading
{
    QSet<QString> brokenUids;       // entries whose rule or exceptions were dropped
    QList<Unrepresentable> dropped; // entries dropped altogether
};

// An entry's summary, or "(untitled)" in the user's language when it has none.
QString entryName(const QString &summary);

// Cheap: whether the text holds more entries or rules than KCalendarCore handed over, or rules it
// might have read only in part; only then is the text read a second time.
bool mayHaveLostEntries(const QByteArray &data, int entriesRead, int rulesRead);
LostInReading findLostEntries(const QByteArray &data);
