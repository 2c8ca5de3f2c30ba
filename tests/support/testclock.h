// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "model/clock.h"

#include <QDateTime>

// Holds the clock the date rules read at a time the test sets, and gives the system clock back
// when it goes.
class TestClock
{
public:
    explicit TestClock(const QDateTime &now = {}) : m_now(now)
    {
        Clock::setSource([this] { return m_now; });
    }
    ~TestClock() { Clock::setSource({}); }
    void set(const QDateTime &now) { m_now = now; }

private:
    Q_DISABLE_COPY(TestClock)
    QDateTime m_now;
};
