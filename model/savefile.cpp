// SPDX-License-Identifier: GPL-3.0-or-later
#include "model/savefile.h"

#include "model/privatefolder.h"

#include <QFile>
#include <QFileInfo>
#include <QSaveFile>

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

} // namespace

bool saveFileAtomically(const QString &path, const std::function<bool(QIODevice &)> &write)
{
    makePrivateFolder(QFileInfo(path).absolutePath());
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        return false;
    if (!write(file) || !file.flush()) {
        file.cancelWriting();
        return false;
    }
    return file.commit();
}

SaveOutcome saveFileKeepingOriginal(const QString &path, const QString &keptName,
                                    const std::function<bool(QIODevice &)> &write)
{
    SaveOutcome outcome;
    if (!QFileInfo::exists(path)) {
        outcome.saved = saveFileAtomically(path, write);
        return outcome;
    }
    const QString kept = freeName(keptName);
    if (QFile::copy(path, kept))
        outcome.original = KeptOriginal::Copied;
    else if (QFile::rename(path, kept))
        outcome.original = KeptOriginal::MovedAside;
    if (outcome.original != KeptOriginal::NotNeeded)
        outcome.keptPath = kept;

    outcome.saved = saveFileAtomically(path, write);
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
