// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

#include <memory>

class QLockFile;

// Decides which copy of the program is the first for the current user: the first one holds a lock
// file in the user's runtime directory until it ends. It needs no application object, only the
// organisation and application names (they name the lock), so a start can ask before building one.
class InstanceLock final
{
public:
    // Tries to take the lock at once; a lock left by a copy that died is taken over.
    InstanceLock();
    ~InstanceLock();

    // True when another living copy holds the lock.
    bool isHeldElsewhere() const { return heldElsewhere; }

    // Gives the lock up now rather than at destruction.
    void release();

    // The per-user directory that holds the lock file and the first copy's socket.
    static QString runtimeDirectory();
    // runtimeDirectory()/<organisation>-<application><suffix>
    static QString pathInRuntimeDirectory(const QString &suffix);
    // Tells users apart where the runtime directory is shared.
    static QString userTag();

    InstanceLock(const InstanceLock &) = delete;
    InstanceLock &operator=(const InstanceLock &) = delete;

private:
    std::unique_ptr<QLockFile> lock;
    bool heldElsewhere = false;
};
