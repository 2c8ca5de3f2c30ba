// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QSettings>

// The platform's settings store of organisation "Brindlex", application "Oriventa": window geometry,
// sort order, the auto start's time stamps and the update checker's switch. Named explicitly rather
// than taken from the application identity, so that it is the same store before the identity is set.
QSettings nativeSettings();
