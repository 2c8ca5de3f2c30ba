// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QList>
#include <QMessageBox>
#include <QObject>
#include <QPointer>
#include <QTimer>

// Answers the message boxes that appear, modal or not, in order, with the given buttons (Ok once
// the list runs out), and keeps what each one said.
class BoxAnswerer : public QObject
{
public:
    struct Seen
    {
        QMessageBox::Icon icon;
        QString title;
        QString text;
        bool hasParent;
        QMessageBox::StandardButtons buttons = {};
    };
    QList<Seen> seen;

    explicit BoxAnswerer(QList<QMessageBox::StandardButton> replies = {QMessageBox::Ok});

private:
    void answerNext();

    QList<QMessageBox::StandardButton> answers;
    QList<QPointer<QMessageBox>> answered;
    QTimer timer;
};
