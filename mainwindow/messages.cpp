// SPDX-License-Identifier: GPL-3.0-or-later
#include "mainwindow/messages.h"

#include <QApplication>
#include <QInputDialog>
#include <QMessageBox>
#include <QPushButton>

namespace Messages {

void inform(const QString &title, const QString &text)
{
    QMessageBox box(QMessageBox::Information, title, text, QMessageBox::Ok);
    box.exec();
}

void warn(const QString &title, const QString &text)
{
    QMessageBox box(QMessageBox::Warning, title, text, QMessageBox::Ok);
    box.exec();
}

bool confirm(const QString &title, const QString &text)
{
    QMessageBox box(QMessageBox::Question, title, text, QMessageBox::Yes | QMessageBox::No);
    box.setDefaultButton(QMessageBox::Yes);
    return box.exec() == QMessageBox::Yes;
}

SaveChoice askAfterFailedSave(const QString &text, bool offerRetry)
{
    QMessageBox box(QMessageBox::Warning, QCoreApplication::translate("Messages", "Events Not Saved"), text,
                    QMessageBox::Save | QMessageBox::Discard | QMessageBox::Cancel);
    if (offerRetry)
        box.addButton(QMessageBox::Retry);
    box.button(QMessageBox::Save)->setText(QCoreApplication::translate("Messages", "Save Elsewhere..."));
    box.button(QMessageBox::Discard)->setText(QCoreApplication::translate("Messages", "Close Without Saving"));
    box.setDefaultButton(offerRetry ? QMessageBox::Retry : QMessageBox::Save);
    box.setEscapeButton(QMessageBox::Cancel);
    switch (box.exec()) {
    case QMessageBox::Retry:
        return SaveChoice::Retry;
    case QMessageBox::Save:
        return SaveChoice::SaveElsewhere;
    case QMessageBox::Discard:
        return SaveChoice::CloseWithoutSaving;
    default:
        return SaveChoice::Cancel;
    }
}

bool allowDeletions(const QString &text)
{
    QMessageBox box(QMessageBox::Warning, QCoreApplication::translate("Messages", "Delete on the Server?"),
                    text + QLatin1String("\n\n") +
                        QCoreApplication::translate("Messages", "Delete these events on the server?"),
                    QMessageBox::Yes | QMessageBox::No);
    box.setDefaultButton(QMessageBox::No);
    return box.exec() == QMessageBox::Yes;
}

bool askPassword(const QString &title, const QString &text, QString *password)
{
    bool accepted = false;
    const QString typed = QInputDialog::getText(nullptr, title, text, QLineEdit::Password, QString(), &accepted);
    if (!accepted || typed.isEmpty())
        return false;
    *password = typed;
    return true;
}

BusyCursor::BusyCursor()
{
    QApplication::setOverrideCursor(Qt::WaitCursor);
}

BusyCursor::~BusyCursor()
{
    QApplication::restoreOverrideCursor();
}

} // namespace Messages
