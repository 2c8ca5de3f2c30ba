// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

// The main window's modal message boxes: without parent, run with exec().
namespace Messages {

void inform(const QString &title, const QString &text);
void warn(const QString &title, const QString &text);
// Yes and No, Yes the default; true when the user chose Yes.
bool confirm(const QString &title, const QString &text);

// The wait cursor while a file is read or a server answers, for as long as the object lives.
class BusyCursor
{
public:
    BusyCursor();
    ~BusyCursor();
    BusyCursor(const BusyCursor &) = delete;
    BusyCursor &operator=(const BusyCursor &) = delete;
};
// A password typed into a small dialog that shows dots; false when the user cancelled.
bool askPassword(const QString &title, const QString &text, QString *password);

} // namespace Messages
