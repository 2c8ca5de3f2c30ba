// SPDX-License-Identifier: GPL-3.0-or-later
#include "model/savefile.h"

#include "model/privatefolder.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QIODevice>
#include <QSaveFile>

QString fileErrorText(const QFileDevice &file)
{
    static const char *const known[] = {
        QT_TRANSLATE_NOOP("FileError", "Permission denied"),
        QT_TRANSLATE_NOOP("FileError", "No such file or directory"),
        QT_TRANSLATE_NOOP("FileError", "No space left on device"),
        QT_TRANSLATE_NOOP("FileError", "Read-only file system"),
        QT_TRANSLATE_NOOP("FileError", "Is a directory"),
        QT_TRANSLATE_NOOP("FileError", "Not a directory"),
        QT_TRANSLATE_NOOP("FileError", "Disk quota exceeded"),
        QT_TRANSLATE_NOOP("FileError", "Too many open files"),
        QT_TRANSLATE_NOOP("FileError", "File name too long"),
        QT_TRANSLATE_NOOP("FileError", "Input/output error"),
    };
    const QString text = file.errorString();
    for (const char *english : known) {
        if (text == QLatin1String(english))
            return QCoreApplication::translate("FileError", english);
    }
    return text;
}

namespace {

bool nameTaken(const QString &path)
{
    // A link that leads nowhere still holds its name.
    const QFileInfo info(path);
    return info.exists() || info.isSymLink();
}

QString freeName(const QString &name)
{
    QString candidate = name;
    for (int n = 1; nameTaken(candidate); ++n)
        candidate = name + QLatin1Char('-') + QString::number(n);
    return candidate;
}

constexpr QFileDevice::Permissions OwnerOnly = QFileDevice::ReadOwner | QFileDevice::WriteOwner;

bool failed(QString *error, const QString &reason)
{
    if (error)
        *error = reason;
    return false;
}

} // namespace

bool writeAll(QIODevice &device, const QByteArray &bytes)
{
    for (qint64 done = 0; done < bytes.size();) {
        const qint64 written = device.write(bytes.constData() + done, bytes.size() - done);
        if (written <= 0)
            return false;
        done += written;
    }
    return true;
}

bool saveFileAtomically(const QString &path, const std::function<bool(QIODevice &)> &write, NewFileAccess access,
                        QString *error)
{
    const QString folder = QFileInfo(path).absolutePath();
    if (access == NewFileAccess::Private)
        makePrivateFolder(folder);
    else
        QDir().mkpath(folder);
    const bool isNew = !QFileInfo::exists(path);
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        return failed(error, fileErrorText(file));
    // An existing file's mode is carried over by the save itself.
    if (isNew && access == NewFileAccess::Private)
        file.setPermissions(OwnerOnly);
    if (!write(file) || !file.flush()) {
        const QString reason = fileErrorText(file);
        file.cancelWriting();
        return failed(error, reason);
    }
    return file.commit() || failed(error, fileErrorText(file));
}

QString keepCopy(const QString &path, const QString &keptName)
{
    const QString kept = freeName(keptName);
    return QFile::copy(path, kept) ? kept : QString();
}

SaveOutcome saveFileKeepingOriginal(const QString &path, const QString &keptName,
                                    const std::function<bool(QIODevice &)> &write, NewFileAccess access)
{
    SaveOutcome outcome;
    if (!QFileInfo::exists(path)) {
        outcome.saved = saveFileAtomically(path, write, access, &outcome.error);
        return outcome;
    }
    const QString kept = freeName(keptName);
    if (QFile::copy(path, kept))
        outcome.original = KeptOriginal::Copied;
    else if (QFile::rename(path, kept))
        outcome.original = KeptOriginal::MovedAside;
    if (outcome.original != KeptOriginal::NotNeeded)
        outcome.keptPath = kept;

    outcome.saved = saveFileAtomically(path, write, access, &outcome.error);
    if (outcome.saved) {
        if (outcome.original == KeptOriginal::NotNeeded)
            outcome.original = KeptOriginal::Overwritten;
    } else if (outcome.original != KeptOriginal::Copied) {
        // Nothing new was written: the old file goes back where the next start looks for it.
        if (outcome.original == KeptOriginal::NotNeeded || QFile::rename(kept, path)) {
            outcome.original = KeptOriginal::LeftInPlace;
            outcome.keptPath.clear();
        }
    }
    return outcome;
}
