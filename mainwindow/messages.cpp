// SPDX-License-Identifier: GPL-3.0-or-later
#include "mainwindow/messages.h"

#include <QApplication>
#include <QInputDialog>
#include <QMessageBox>

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
