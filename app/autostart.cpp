// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/autostart.h"

#include "model/nativesettings.h"

namespace AutoStart {

namespace {

// Single precision, as the interval rule has always been computed.
constexpr float intervalFactor = 1.5f;

} // namespace

Outcome run(const QStringList &arguments, const QDateTime &now, const std::function<bool()> &buildAndPopulate)
{
    QSettings store = nativeSettings();
    if (arguments.size() == 3) {
        const int interval = arguments.at(2).toInt(nullptr, 10);
        const QDateTime lastRun = store.value(QStringLiteral("LastRun")).toDateTime();
        store.setValue(QStringLiteral("LastRun"), now);
        if (lastRun.isValid()) {
            const qint64 seconds = lastRun.secsTo(now);
            if (intervalFactor * interval > seconds) {
                const QDateTime lastDisplay = store.value(QStringLiteral("LastDisplay")).toDateTime();
                if (lastDisplay.isValid() && lastDisplay.date() == now.date())
                    return Outcome::NothingShown;
            }
        }
    }
    if (!buildAndPopulate())
        return Outcome::NothingShown;
    store.setValue(QStringLiteral("LastDisplay"), now);
    return Outcome::ShowWindow;
}

} // namespace AutoStart
