// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QDateTime>
#include <QStringList>
#include <QVariant>

#include <functional>

// The start with the argument "auto": the reminder window only when something is due, and
// with "auto n" not again the same day within 1.5 × n seconds of the previous such start.
namespace AutoStart {

enum class Outcome
{
    NothingShown,
    ShowWindow
};

// `arguments` include the program name. `buildAndPopulate` builds the reminder window and
// fills it, answering whether anything is due; it is not called when the start is held back.
// The native settings keys "LastRun" and "LastDisplay" are read and written here.
Outcome run(const QStringList &arguments, const QDateTime &now, const std::function<bool()> &buildAndPopulate);

// Whether run() would end at once without asking `buildAndPopulate`, judged from the keys alone:
// nothing is written.
bool isHeldBack(const QStringList &arguments, const QDateTime &now);

// The display time the interval rule judges by, read before run() records a new one, and put
// back when that start's reminders turned out not to be seen.
QVariant lastDisplay();
void restoreLastDisplay(const QVariant &earlier);

} // namespace AutoStart
