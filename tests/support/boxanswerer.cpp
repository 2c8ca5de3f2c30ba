// SPDX-License-Identifier: GPL-3.0-or-later
#include "tests/support/boxanswerer.h"

#include <QAbstractButton>
#include <QApplication>

BoxAnswerer::BoxAnswerer(QList<QMessageBox::StandardButton> replies) : answers(std::move(replies))
{
    connect(&timer, &QTimer::timeout, this, &BoxAnswerer::answerNext);
    timer.start(10);
}

void BoxAnswerer::answerNext()
{
    // A modal box runs its own event loop, which this timer ticks inside; a box that is merely
    // shown is found among the windows.
    QWidgetList windows = QApplication::topLevelWidgets();
    windows.prepend(QApplication::activeModalWidget());
    for (QWidget *window : windows) {
        auto *box = qobject_cast<QMessageBox *>(window);
        if (!box || !box->isVisible() || answered.contains(box))
            continue;
        answered << box;
        seen << Seen{box->icon(), box->windowTitle(), box->text(), box->parentWidget() != nullptr,
                     box->standardButtons()};
        if (QAbstractButton *button = box->button(answers.value(seen.size() - 1, QMessageBox::Ok)))
            button->click();
        else
            box->reject();
        return;
    }
}
