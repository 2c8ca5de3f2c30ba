// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QDate>
#include <QString>
#include <QStringList>

// How a command ended, as the exit status says it.
enum class Outcome
{
    Done = 0,
    FileError = 1, // a file could not be read or written, or the sync failed; nothing was changed
    Usage = 2,
    Running = 3, // a window of the program has the events file open
    Partial = 4, // the sync failed after part of its work: list and server agree, the next sync goes on
};

// What the commands say of an events file that cannot be read, and of a damaged one (a warning:
// the events before the damage are used).
QString fileProblem(const QString &path, const QString &reason);
QString fileDamaged(const QString &path);
// What import and sync say when a window of the program has the events file open.
QString runningText();

// The window's import: reads every file first and changes nothing when one of them cannot be
// imported, then adds the events whose names are free to the events file and saves it. The
// single-instance lock is held throughout, so no window can start and later overwrite the file.
// Summaries go to `out`, problems to `err`.
Outcome importFiles(const QStringList &files, QDate today, QString &out, QString &err);

// The window's export of every event of the events file, as last saved.
Outcome exportEvents(const QString &file, QDate today, QString &out, QString &err);
