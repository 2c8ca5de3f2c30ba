// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "tests/support/caldavtestserver.h"

// Radicale with one user, from a configuration of its own. `available()` tells whether Radicale is
// installed at all.
class Radicale final : public CalDavTestServer
{
public:
    enum Transport
    {
        Plain,
        SelfSignedTls, // a certificate made for the run, trusted by nobody
    };

    Radicale(const QString &user, const QString &password, Transport kind = Plain);

    static bool available();

    // Where the calendars' items lie: <folder>/collection-root/<user>/<calendar>/.
    QString storageFolder() const { return folder.filePath(QStringLiteral("storage")); }
    QString itemFile(const QUrl &item) const override;

private:
    bool makeCertificate();
};
