// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/startup.h"

namespace Startup {

QStringList arguments(int argc, char *argv[])
{
    QStringList list;
    for (int i = 0; i < argc; ++i)
        list << QString::fromLocal8Bit(argv[i]);
    return list;
}

bool isAutoMode(const QStringList &arguments)
{
    return arguments.size() >= 2 && arguments.at(1) == QLatin1String("auto");
}

} // namespace Startup
