// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "model/event.h"

#include <QWidget>

class QCommandLinkButton;
class QGroupBox;
class QLabel;
class QRadioButton;
class QSpinBox;
class QTimer;

// One reminder in the reminder window: the event's sentence, and an options panel with the
// three snooze choices that slides open and shut.
class ReminderItem final : public QWidget
{
    Q_OBJECT

public:
    explicit ReminderItem(Event *event);
    ~ReminderItem() override;

    Event *shownEvent() const { return event; }
    bool isExpanded() const { return expanded; }

    // Opens a closed options panel, closes an open one.
    void toggleOptions();

Q_SIGNALS:
    // The panel's animation has ended.
    void resized();
    // One step of the panel's animation changed its height by `change` pixels.
    void resized(int change);

private Q_SLOTS:
    void on_acceptButton_clicked();
    void on_cancelButton_clicked();
    void doAnimation();

private:
    void applySelectedChoice();
    void showOptionsButton();
    void setPanelReachable(bool reachable);
    // The again choice's words around its box, for that many days.
    void sayAgainIn(int days);

    Event *event;
    QGroupBox *groupBox;
    QLabel *textLabel;
    QCommandLinkButton *acceptButton;
    QCommandLinkButton *cancelButton;
    QRadioButton *againRadio;
    QSpinBox *againSpinBox;
    QLabel *daysLabel;
    QRadioButton *nextRadio;
    QRadioButton *neverRadio;
    QTimer *animationTimer;
    QWidget *optionsPanel;
    int lastHeight = 0;
    int cancelWidth = 0;
    bool expanded = false;
};
