// SPDX-License-Identifier: GPL-3.0-or-later
// The editor page: adding, editing and removing events.
#include "mainwindow/mainwindow.h"

#include "mainwindow/eventvalidation.h"
#include "mainwindow/messages.h"
#include "model/clock.h"
#include "ui_mainwindow.h"

#include <QLocale>
#include <QStandardItemModel>

#include <algorithm>

namespace {

QStandardItemModel *checkList(QObject *parent, QStringList rows)
{
    auto *model = new QStandardItemModel(parent);
    for (const QString &text : rows) {
        auto *item = new QStandardItem(text);
        item->setCheckable(true);
        item->setEditable(false);
        item->setData(Qt::Unchecked, Qt::CheckStateRole);
        model->appendRow(item);
    }
    return model;
}

// Monday first, in the user's language.
QStringList weekdayTexts()
{
    const QLocale locale;
    QStringList texts;
    for (int day = Qt::Monday; day <= Qt::Sunday; ++day)
        texts << locale.standaloneDayName(day, QLocale::LongFormat);
    return texts;
}

bool ticked(const QStandardItemModel *list, int row)
{
    return list->item(row)->data(Qt::CheckStateRole) == Qt::Checked;
}

void setTicked(QStandardItemModel *list, int row, bool on)
{
    list->item(row)->setData(on ? Qt::Checked : Qt::Unchecked, Qt::CheckStateRole);
}

void untickAll(QStandardItemModel *list)
{
    for (int row = 0; row < list->rowCount(); ++row)
        setTicked(list, row, false);
}

// Row 0 is "Day"; rows 1 to 7 are the weekdays.
void fillDayList(QStandardItemModel *list, const Event &event)
{
    setTicked(list, 0, event.useDayNumber);
    for (int i = 0; i < 7; ++i)
        setTicked(list, i + 1, event.weekdays[i]);
}

void readDayList(const QStandardItemModel *list, Event &event)
{
    event.useDayNumber = ticked(list, 0);
    for (int i = 0; i < 7; ++i)
        event.weekdays[i] = ticked(list, i + 1);
}

} // namespace

void MainWindow::buildCheckLists()
{
    QStringList dayTexts = weekdayTexts();
    //: The day number of a month or year, in a list with weekdays: "Every 15th Day of the month".
    dayTexts.prepend(tr("Day"));
    //: Ticked instead of months: the day number counts through the whole year.
    QStringList monthTexts{tr("Year")};
    const QLocale locale;
    for (int month = 1; month <= 12; ++month)
        monthTexts << locale.standaloneMonthName(month, QLocale::LongFormat);

    weekdayRows = checkList(this, weekdayTexts());
    monthlyDayRows = checkList(this, dayTexts);
    yearlyDayRows = checkList(this, dayTexts);
    monthRows = checkList(this, monthTexts);
    ui->weeklyListView->setModel(weekdayRows);
    ui->monthlyListView->setModel(monthlyDayRows);
    ui->yearlyListView->setModel(yearlyDayRows);
    ui->yearlyMonthListView->setModel(monthRows);
}

void MainWindow::resetEditor()
{
    ui->eventName->setText(QString());
    ui->eventCounted->setChecked(false);
    ui->eventCount->setValue(0);
    ui->singularRadioButton->setChecked(true);
    ui->eventDate->setDate(Clock::today());
    ui->repeatingTabWidget->setCurrentIndex(0);
    untickAll(weekdayRows);
    untickAll(monthlyDayRows);
    ui->monthlySpinBox->setValue(1);
    untickAll(yearlyDayRows);
    untickAll(monthRows);
    ui->yearlySpinBox->setValue(1);
    ui->notifyCheckBox->setChecked(true);
    ui->notifyMaxSpinBox->setValue(10);
    ui->showOnceCheckBox->setChecked(true);
}

void MainWindow::fillEditor(Event &event)
{
    ui->eventName->setText(event.name);
    ui->eventCounted->setChecked(event.counted);
    if (event.counted) {
        // The stored event itself is brought up to date, whether or not the edit is saved.
        event.advanceCount();
        ui->eventCount->setValue(event.count);
    } else {
        ui->eventCount->setValue(0);
    }
    ui->singularRadioButton->setChecked(event.schedule == Singular);
    ui->repeatingRadioButton->setChecked(event.schedule != Singular);
    ui->eventDate->setDate(event.schedule == Singular ? event.date : Clock::today());

    untickAll(weekdayRows);
    untickAll(monthlyDayRows);
    untickAll(yearlyDayRows);
    untickAll(monthRows);
    ui->monthlySpinBox->setValue(1);
    ui->yearlySpinBox->setValue(1);
    switch (event.schedule) {
    case Weekly:
        ui->repeatingTabWidget->setCurrentIndex(0);
        for (int i = 0; i < 7; ++i)
            setTicked(weekdayRows, i, event.weekdays[i]);
        break;
    case Monthly:
        ui->repeatingTabWidget->setCurrentIndex(1);
        fillDayList(monthlyDayRows, event);
        ui->monthlySpinBox->setValue(event.ordinal);
        break;
    case Yearly:
        ui->repeatingTabWidget->setCurrentIndex(2);
        fillDayList(yearlyDayRows, event);
        ui->yearlySpinBox->setValue(event.ordinal);
        setTicked(monthRows, 0, event.wholeYear);
        for (int i = 0; i < 12; ++i)
            setTicked(monthRows, i + 1, event.months[i]);
        break;
    case Singular:
        break;
    }

    ui->notifyCheckBox->setChecked(event.notify);
    ui->notifyMaxSpinBox->setValue(event.notify ? event.notifyDaysBefore : 0);
    ui->showOnceCheckBox->setChecked(event.showOnce);
}

Event *MainWindow::eventFromEditor() const
{
    const QDate today = Clock::today();
    auto *event = new Event;
    event->name = ui->eventName->text();
    event->counted = ui->eventCounted->checkState() == Qt::Checked;
    event->count = ui->eventCount->value();
    event->countDate = today;
    if (ui->singularRadioButton->isChecked()) {
        event->schedule = Singular;
        event->date = ui->eventDate->date();
    } else {
        switch (ui->repeatingTabWidget->currentIndex()) {
        case 0:
            event->schedule = Weekly;
            for (int i = 0; i < 7; ++i)
                event->weekdays[i] = ticked(weekdayRows, i);
            break;
        case 1:
            event->schedule = Monthly;
            readDayList(monthlyDayRows, *event);
            event->ordinal = ui->monthlySpinBox->value();
            break;
        case 2:
            event->schedule = Yearly;
            readDayList(yearlyDayRows, *event);
            event->ordinal = ui->yearlySpinBox->value();
            event->wholeYear = ticked(monthRows, 0);
            for (int i = 0; i < 12; ++i)
                event->months[i] = ticked(monthRows, i + 1);
            break;
        }
    }
    event->notify = ui->notifyCheckBox->checkState() == Qt::Checked;
    event->notifyDaysBefore = ui->notifyMaxSpinBox->value();
    event->showOnce = ui->showOnceCheckBox->checkState() == Qt::Checked;
    // Yesterday, so that an event that is due can be reminded of on the day it is saved.
    event->lastNotified = today.addDays(-1);
    event->snoozeDays = 0;
    return event;
}

void MainWindow::on_addButton_clicked()
{
    ui->tabWidget->setProperty("addMode", true);
    resetEditor();
    ui->tabWidget->setCurrentIndex(1);
    ui->eventName->setFocus(Qt::OtherFocusReason);
}

void MainWindow::on_editButton_clicked()
{
    Event *event = currentEvent();
    if (!event) {
        Messages::inform(tr("Select Event"), tr("Please select an event to edit."));
        return;
    }
    ui->tabWidget->setProperty("addMode", false);
    fillEditor(*event);
    ui->tabWidget->setCurrentIndex(1);
    ui->eventName->setFocus(Qt::OtherFocusReason);
}

void MainWindow::on_saveButton_clicked()
{
    Event *event = eventFromEditor();
    switch (validateEvent(*event)) {
    case Valid:
        break;
    case MissingName:
        ui->eventName->setFocus(Qt::OtherFocusReason);
        delete event;
        return;
    case MonthlyLimit:
        ui->monthlySpinBox->setFocus(Qt::OtherFocusReason);
        delete event;
        return;
    case YearlyLimit:
        ui->yearlySpinBox->setFocus(Qt::OtherFocusReason);
        delete event;
        return;
    case MissingSchedule:
        delete event;
        return;
    }

    if (ui->tabWidget->property("addMode").toBool())
        addEventRow(event);
    else
        replaceEventRow(ui->eventTreeView->currentIndex().row(), event);
    resortList();
    ui->tabWidget->setCurrentIndex(0);
}

void MainWindow::on_cancelButton_clicked()
{
    ui->tabWidget->setCurrentIndex(0);
}

void MainWindow::on_removeButton_clicked()
{
    const QModelIndexList selected = ui->eventTreeView->selectionModel()->selectedRows(0);
    if (selected.isEmpty()) {
        Messages::inform(tr("Select Event"), tr("Please select an event to remove."));
        return;
    }
    const QString question = selected.size() == 1 ? tr("Are you sure you wish to permanently remove this event?")
                                                  : tr("Are you sure you wish to permanently remove these events?");
    if (!Messages::confirm(tr("Confirm Removal"), question))
        return;

    QList<int> rows;
    for (const QModelIndex &index : selected)
        rows << index.row();
    std::sort(rows.begin(), rows.end());
    // From the last row up, so that the earlier row numbers stay valid.
    for (auto row = rows.crbegin(); row != rows.crend(); ++row)
        removeEventRow(*row);
}

void MainWindow::on_eventCounted_stateChanged(int state)
{
    ui->eventCount->setEnabled(state == Qt::Checked);
}

void MainWindow::on_notifyCheckBox_stateChanged(int state)
{
    ui->notifyMaxSpinBox->setEnabled(state == Qt::Checked);
}

void MainWindow::on_singularRadioButton_toggled(bool checked)
{
    ui->eventDate->setEnabled(checked);
}

void MainWindow::on_repeatingRadioButton_toggled(bool checked)
{
    ui->repeatingTabWidget->setEnabled(checked);
}
