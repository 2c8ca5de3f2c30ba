// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/autostart.h"

#include "model/nativesettings.h"

namespace AutoStart {

namespace {

// Single precision, as the interval rule has always been computed.
constexpr float intervalFactor = 1.5f;

bool heldBack(const QSettings &store, const QStringList &arguments, const QDateTime &now)
{
    if (arguments.size() != 3)
        return false;
    const int interval = arguments.at(2).toInt(nullptr, 10);
    const QDateTime lastRun = store.value(QStringLiteral("LastRun")).toDateTime();
    if (!lastRun.isValid() || !(intervalFactor * interval > lastRun.secsTo(now)))
        return false;
    const QDateTime lastDisplay = store.value(QStringLiteral("LastDisplay")).toDateTime();
    return lastDisplay.isValid() && lastDisplay.date() == now.date();
}

} // namespace

Outcome run(const QStringList &arguments, const QDateTime &now, const std::function<bool()> &buildAndPopulate)
{
    QSettings store = nativeSettings();
    const bool held = heldBack(store, arguments, now);
    if (arguments.size() == 3)
        store.setValue(QStringLiteral("LastRun"), now);
    if (held || !buildAndPopulate())
        return Outcome::NothingShown;
    store.setValue(QStringLiteral("LastDisplay"), now);
    return Outcome::ShowWindow;
}

bool isHeldBack(const QStringList &arguments, const QDateTime &now)
{
    return heldBack(nativeSettings(), arguments, now);
}

QVariant lastDisplay()
{
    return nativeSettings().value(QStringLiteral("LastDisplay"));
}

void restoreLastDisplay(const QVariant &earlier)
{
    QSettings store = nativeSettings();
    if (earlier.isValid())
        store.setValue(QStringLiteral("LastDisplay"), earlier);
    else
        store.remove(QStringLiteral("LastDisplay"));
}

} // namespace AutoStart
