// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "tests/support/caldavtestserver.h"

// Xandikos, a second CalDAV server, with one user's principal and its calendar home. It has no
// authentication of its own: any user and password pass. `available()` tells whether it is installed.
class Xandikos final : public CalDavTestServer
{
public:
    explicit Xandikos(const QString &user);

    static bool available();

    // Each collection is a git repository whose working tree holds the items' files.
    QString itemFile(const QUrl &item) const override { return folder.filePath(QStringLiteral("data")) + item.path(); }
};
