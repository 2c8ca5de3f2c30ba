// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

// The trace facility of the network code. It writes nothing: the network code calls it with
// its trace texts, and keeping the calls lets a developer route them somewhere when needed.
class DebugLog final
{
public:
    static DebugLog *instance();
    void write(const QString &message);

    DebugLog(const DebugLog &) = delete;
    DebugLog &operator=(const DebugLog &) = delete;

private:
    DebugLog() = default;
};
