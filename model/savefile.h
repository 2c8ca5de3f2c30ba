// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

#include <functional>

class QFileDevice;
class QIODevice;

// Why the last operation on `file` failed, in the program's language. Qt passes on the C library's
// words, which are English under a C locale: the common ones are translated here.
QString fileErrorText(const QFileDevice &file);

// Writes all of `bytes`, going on after a short write, so that a device that is full reports why
// instead of merely taking less. True when everything was written.
bool writeAll(QIODevice &device, const QByteArray &bytes);

// Who may read a file that a save creates. An existing file keeps its mode either way.
enum class NewFileAccess
{
    Shared,  // as the umask allows: files the user hands on
    Private, // the user alone, and folders made for it too: the list, its sync state, the settings
};

// Writes a file through `write` into a temporary file beside it and then replaces the file, so
// that a failed write (no space, no access, a crash) leaves the previous file whole. Missing
// directories are created. True when the new file is in place; `error` (may be null) says why not.
bool saveFileAtomically(const QString &path, const std::function<bool(QIODevice &)> &write,
                        NewFileAccess access = NewFileAccess::Shared, QString *error = nullptr);

// What became of the file that a save replaced, when it had to be kept.
enum class KeptOriginal
{
    NotNeeded,   // there was nothing to keep
    Copied,      // a copy lies at keptPath
    MovedAside,  // there was no room for a copy: the file itself now lies at keptPath
    LeftInPlace, // the save failed and the file is where it was
    Overwritten, // neither a copy nor a rename could be made; the save replaced the file anyway
};

struct SaveOutcome
{
    bool saved = false;
    QString error; // why it was not saved
    KeptOriginal original = KeptOriginal::NotNeeded;
    QString keptPath;
};

// Saves as saveFileAtomically does, but first keeps the file at `path` under `keptName`, or
// keptName-1, keptName-2, … when that name is taken: nothing already there is replaced. A copy
// needs room; a rename does not. Kept or not, the new file is written: unsaved changes are worth
// more than bytes that could not be read.
SaveOutcome saveFileKeepingOriginal(const QString &path, const QString &keptName,
                                    const std::function<bool(QIODevice &)> &write,
                                    NewFileAccess access = NewFileAccess::Shared);
// Keeps a copy of the file at `path` under `keptName` (or the first free name after it, as above);
// the path of the copy, or an empty string when there was no room for one.
QString keepCopy(const QString &path, const QString &keptName);
