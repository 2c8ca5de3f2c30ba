// SPDX-License-Identifier: GPL-3.0-or-later
#include "mainwindow/eventvalidation.h"

#include "mainwindow/messages.h"

#include <QCoreApplication>

ValidationResult validateEvent(const Event &event)
{
    QString message;
    const ValidationResult result = event.checkEvent(&message);
    if (result != Valid)
        Messages::inform(QCoreApplication::translate("MainWindow", "Enter Details"), message);
    return result;
}
