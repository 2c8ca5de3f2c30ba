// SPDX-License-Identifier: GPL-3.0-or-later
#include "ferrule/autocheck.h"

#include "model/nativesettings.h"

namespace Ferrule {

namespace {

const char *const autoCheckKey = "Ferrule/autoCheck";

} // namespace

bool isAutoCheckOn()
{
    return nativeSettings().value(QLatin1String(autoCheckKey), false).toBool();
}

void setAutoCheckOn(bool on)
{
    nativeSettings().setValue(QLatin1String(autoCheckKey), on);
}

} // namespace Ferrule
