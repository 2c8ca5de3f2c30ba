// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QDir>
#include <QFile>
#include <QString>
#include <QtGlobal>

// The suites run with XDG_*, TMPDIR and HOME pointing into the build tree (see CMakeLists.txt).
// reset() empties those directories so that every run starts like a first start.
namespace TestEnvironment {

inline QString root()
{
    return qEnvironmentVariable("ORIVENTA_TEST_ROOT");
}

inline QString dataDir()
{
    return qEnvironmentVariable("XDG_DATA_HOME") + QStringLiteral("/Brindlex/Oriventa");
}

inline QString configFile()
{
    return qEnvironmentVariable("XDG_CONFIG_HOME") + QStringLiteral("/Brindlex/Oriventa.conf");
}

// False when the suite was started without the environment CTest gives it: it must then not
// touch the user's own directories.
inline bool reset()
{
    const QString base = root();
    if (base.isEmpty())
        return false;
    QDir(base).removeRecursively();
    for (const char *var : {"XDG_DATA_HOME", "XDG_CONFIG_HOME", "XDG_RUNTIME_DIR", "TMPDIR", "HOME"})
        QDir().mkpath(qEnvironmentVariable(var));
    QFile::setPermissions(qEnvironmentVariable("XDG_RUNTIME_DIR"),
                          QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    return true;
}

} // namespace TestEnvironment
