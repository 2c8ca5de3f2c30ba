// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/debuglog.h"

DebugLog *DebugLog::instance()
{
    static DebugLog *log = new DebugLog;
    return log;
}

void DebugLog::write(const QString &message)
{
    Q_UNUSED(message)
}
