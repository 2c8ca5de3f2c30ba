// SPDX-License-Identifier: GPL-3.0-or-later
// Built into every suite: the suites read the program's texts as a user sees them, with the English
// plural forms, and in another language when the suite's environment asks for one.
#include "translations/languages.h"

#include <QCoreApplication>

static void installLanguages()
{
    Languages::install();
}
Q_COREAPP_STARTUP_FUNCTION(installLanguages)
