// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QList>

class QCommandLinkButton;
class QString;

// The widths of the command-link buttons were chosen for their English titles; a translation may be
// longer. The width `button` needs to show `title` whole, as it draws its titles.
int wholeTitleWidth(const QCommandLinkButton *button, const QString &title);

// Lets each button grow past its maximum width as far as its title needs; no narrower.
void keepTitlesWhole(const QList<QCommandLinkButton *> &buttons);
