#pragma once

#include <QAbstractButton>
#include <QApplication>
#include <QList>
#include <QMessageBox>
#include <QObject>
#include <QPointer>
#include <QTimer>

// Answers the modal message boxes that appear, in order, with the given buttons, and keeps
// what each one said.
class BoxAnswerer : public QObject
{
public:
    struct Seen
    {
        QMessageBox::Icon icon;
        QString title;
        QString text;
        bool hasParent;
    };
    QList<Seen> seen;

    explicit BoxAnswerer(QList<QMessageBox::StandardButton> replies = {QMessageBox::Ok}) : answers(replies)
    {
        connect(&timer, &QTimer::timeout, this, [this] {
            auto *box = qobject_cast<QMessageBox *>(QApplication::activeModalWidget());
            if (!box || answered.contains(box))
                return;
            answered << box;
            seen << Seen{box->icon(), box->windowTitle(), box->text(), box->parentWidget() != nullptr};
            const QMessageBox::StandardButton answer = answers.value(seen.size() - 1, QMessageBox::Ok);
            if (QAbstractButton *button = box->button(answer))
                button->click();
            else
                box->reject();
        });
        timer.start(10);
    }

private:
    QList<QMessageBox::StandardButton> answers;
    QList<QPointer<QMessageBox>> answered;
    QTimer timer;
};
