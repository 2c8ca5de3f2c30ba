// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

// The main window's modal message boxes: without parent, run with exec().
namespace Messages {

void inform(const QString &title, const QString &text);
void warn(const QString &title, const QString &text);
// Yes and No, Yes the default; true when the user chose Yes.
bool confirm(const QString &title, const QString &text);

} // namespace Messages
