// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/identity.h"

#include "version.h"

#include <QCoreApplication>

namespace Startup {

void setApplicationIdentity()
{
    QCoreApplication::setApplicationVersion(QStringLiteral(ORIVENTA_VERSION));
    QCoreApplication::setOrganizationName(QStringLiteral("Brindlex"));
    QCoreApplication::setApplicationName(QStringLiteral("Oriventa"));
    QCoreApplication::setOrganizationDomain(QStringLiteral("brindlex.com"));
}

} // namespace Startup
