#include "model/savefile.h"

#include <QDir>
#include <QFileInfo>
#include <QSaveFile>

bool saveFileAtomically(const QString &path, const std::function<bool(QIODevice &)> &write)
{
    QDir().mkpath(QFileInfo(path).absolutePath());
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        return false;
    if (!write(file) || !file.flush()) {
        file.cancelWriting();
        return false;
    }
    return file.commit();
}
