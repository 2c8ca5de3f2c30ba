// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

// The main window's modal message boxes: without parent, run with exec().
namespace Messages {

void inform(const QString &title, const QString &text);
void warn(const QString &title, const QString &text);
// Yes and No, Yes the default; true when the user chose Yes.
bool confirm(const QString &title, const QString &text);

// What to do after the list could not be saved as the window closes.
enum class SaveChoice
{
    Retry,
    SaveElsewhere,
    CloseWithoutSaving,
    Cancel, // back to the window
};
SaveChoice askAfterFailedSave(const QString &text, bool offerRetry);

// Whether the deletions on the server that a sync held back may go ahead; No is the default.
bool allowDeletions(const QString &text);

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
