// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <QStringList>

// The language of the program's texts, chosen from the user's: LANGUAGE, then LC_ALL,
// LC_MESSAGES and LANG, as Qt reads them.
namespace Languages {

// The languages the program speaks besides English, as their codes ("de", …).
QStringList translated();

// The first of the user's languages that the program speaks; "en" when that comes first or none does.
QString chosen();

// Loads the English plural forms, and the chosen language's texts with Qt's own for the standard
// buttons and dialogs, into the running application; dates and numbers then follow that language
// when the system locale is another one. Needs the application object.
void install();

} // namespace Languages
