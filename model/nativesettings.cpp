#include "model/nativesettings.h"

QSettings nativeSettings()
{
    return QSettings(QStringLiteral("Brindlex"), QStringLiteral("Oriventa"));
}
