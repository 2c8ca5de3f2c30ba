// SPDX-License-Identifier: GPL-3.0-or-later
#include "model/nativesettings.h"

#include "model/logging.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

namespace {

const QString organisation = QStringLiteral("Brindlex");
const QString application = QStringLiteral("Oriventa");

// QSettings replaces its file through a new one that keeps the old file's mode, but makes a first
// file with the default mode, readable by everyone. So the first file is made here, empty and
// readable by the user alone, before QSettings can write one; a file that exists keeps its mode.
void createPrivately(const QString &path)
{
    if (QFileInfo::exists(path))
        return;
    QDir().mkpath(QFileInfo(path).absolutePath());
    QFile file(path);
    // Made by another process meanwhile, the file is left as that one made it.
    if (file.open(QIODevice::WriteOnly | QIODevice::NewOnly)) {
        if (!file.setPermissions(QFile::ReadOwner | QFile::WriteOwner))
            qCWarning(lcModel).noquote() << "cannot make" << path << "private";
    } else if (!QFileInfo::exists(path)) {
        qCWarning(lcModel).noquote() << QStringLiteral("cannot make %1: %2").arg(path, file.errorString());
    }
}

} // namespace

QSettings nativeSettings()
{
    createPrivately(QSettings(organisation, application).fileName());
    return QSettings(organisation, application);
}
