// SPDX-License-Identifier: GPL-3.0-or-later
#include "model/event.h"

#include <QMessageBox>

ValidationResult Event::validateEvent() const
{
    QString message;
    const ValidationResult result = checkEvent(&message);
    if (result != Valid) {
        QMessageBox box(QMessageBox::Information, QStringLiteral("Enter Details"), message, QMessageBox::Ok);
        box.exec();
    }
    return result;
}
