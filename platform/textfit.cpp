// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/textfit.h"

#include <QCommandLinkButton>
#include <QFontMetrics>

#include <algorithm>

int wholeTitleWidth(const QCommandLinkButton *button, const QString &title)
{
    // The button draws its title in bold, at 9 points unless its own font has a size set (as a style
    // sheet does); it puts the icon with 13 pixels around it before the title and keeps 4 after it.
    // Polished first: a style sheet's font reaches the button only then.
    button->ensurePolished();
    QFont drawn = button->font();
    drawn.setBold(true);
    drawn.setPointSizeF(9.0);
    const int text = QFontMetrics(button->font().resolve(drawn)).horizontalAdvance(title);
    return text + button->icon().actualSize(button->iconSize()).width() + 13 + 4 + 2;
}

void keepTitlesWhole(const QList<QCommandLinkButton *> &buttons)
{
    for (QCommandLinkButton *button : buttons)
        button->setMaximumWidth(std::max(button->maximumWidth(), wholeTitleWidth(button, button->text())));
}

std::pair<QString, QString> aroundNumber(const QString &sentence, int number)
{
    const QString digits = QString::number(number);
    const int at = sentence.indexOf(digits);
    if (at < 0)
        return {sentence, QString()};
    return {sentence.left(at), sentence.mid(at + digits.size())};
}
