// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

// Makes the folder `path` and the folders above it that are missing. The folder itself, when made
// here, is readable by the user alone (0700): it holds the user's own data. One that exists keeps
// the mode it has. True when the folder exists afterwards.
bool makePrivateFolder(const QString &path);
