// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QList>
#include <QString>

#include <utility>

class QCommandLinkButton;

// The widths of the command-link buttons were chosen for their English titles; a translation may be
// longer. The width `button` needs to show `title` whole, as it draws its titles.
int wholeTitleWidth(const QCommandLinkButton *button, const QString &title);

// Lets each button grow past its maximum width as far as its title needs; no narrower.
void keepTitlesWhole(const QList<QCommandLinkButton *> &buttons);

// A sentence shown around a box that holds a number, as tr() gives it with the number in place of
// its %n: the words before the number and the words after it, in the plural form the number wants.
std::pair<QString, QString> aroundNumber(const QString &sentence, int number);
