// SPDX-License-Identifier: GPL-3.0-or-later
#include "launcher/fullstart.h"

#include "app/instancelock.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLibrary>
#include <QStringList>

#include <cstdio>

namespace FullStart {

namespace {

// No application object exists yet to tell where the program is; the kernel knows.
QString programDirectory()
{
    return QFileInfo(QFile::symLinkTarget(QStringLiteral("/proc/self/exe"))).absolutePath();
}

} // namespace

int loadAndRun(int argc, char *argv[], FastPath::Answer early, std::unique_ptr<InstanceLock> lock)
{
    const QString directory = programDirectory();
    const QStringList candidates{
        directory + QLatin1Char('/') + QLatin1String(LibraryName),
        QDir::cleanPath(directory + QStringLiteral("/" ORIVENTA_FULL_RELATIVE_DIR "/") + QLatin1String(LibraryName)),
    };
    QStringList failures;
    for (const QString &path : candidates) {
        if (!QFileInfo::exists(path))
            continue;
        QLibrary library(path);
        // Kept loaded for the rest of the process: everything after this point runs in it.
        if (const auto entry = reinterpret_cast<Entry>(library.resolve(EntryName)))
            return entry(argc, argv, early, lock.release());
        failures << library.errorString();
    }
    if (failures.isEmpty())
        failures << QStringLiteral("not found in %1").arg(candidates.join(QLatin1String(" or ")));
    // Said on standard error whatever the logging rules: without the library nothing can be shown.
    std::fprintf(stderr, "oriventa: cannot load %s: %s\n", LibraryName, qPrintable(failures.join(QLatin1String("; "))));
    return 1;
}

} // namespace FullStart
