// SPDX-License-Identifier: GPL-3.0-or-later
#include "model/privatefolder.h"

#include "model/logging.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

bool makePrivateFolder(const QString &path)
{
    if (QFileInfo(path).isDir())
        return true;
    if (!QDir().mkpath(path)) {
        qCWarning(lcModel).noquote() << "cannot make the folder" << path;
        return false;
    }
    if (!QFile::setPermissions(path, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner))
        qCWarning(lcModel).noquote() << "cannot make the folder" << path << "private";
    return true;
}
