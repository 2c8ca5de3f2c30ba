// SPDX-License-Identifier: GPL-3.0-or-later
#include "model/clock.h"

namespace {
std::function<QDateTime()> &source()
{
    static std::function<QDateTime()> s;
    return s;
}
} // namespace

namespace Clock {

QDateTime now()
{
    const auto &s = source();
    return s ? s() : QDateTime::currentDateTime();
}

QDate today()
{
    const auto &s = source();
    return s ? s().date() : QDate::currentDate();
}

void setSource(std::function<QDateTime()> newSource)
{
    source() = std::move(newSource);
}

} // namespace Clock
