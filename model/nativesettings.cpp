// SPDX-License-Identifier: GPL-3.0-or-later
#include "model/nativesettings.h"

QSettings nativeSettings()
{
    return QSettings(QStringLiteral("Brindlex"), QStringLiteral("Oriventa"));
}
