// SPDX-License-Identifier: GPL-3.0-or-later
// The details page: an event described in sentences.
#include "mainwindow/details.h"

#include "mainwindow/mainwindow.h"
#include "mainwindow/messages.h"
#include "model/clock.h"
#include "ui_mainwindow.h"

#include <QLocale>

namespace {

const char *const weekdayNames[] = {"Monday", "Tuesday", "Wednesday", "Thursday", "Friday", "Saturday", "Sunday"};
const char *const monthNames[] = {"January", "February", "March",     "April",   "May",      "June",
                                  "July",    "August",   "September", "October", "November", "December"};

void appendListed(QString &text, const char *name)
{
    if (!text.isEmpty())
        text += QLatin1String(", ");
    text += QLatin1String(name);
}

// A hidden row gets no height from its layout as well.
void showLabel(QLabel *label, bool shown)
{
    label->setMaximumHeight(shown ? 999 : 1);
    label->setVisible(shown);
}

void showLabels(std::initializer_list<QLabel *> labels, bool shown)
{
    for (QLabel *label : labels)
        showLabel(label, shown);
}

QString longDate(QDate date)
{
    return QLocale::system().toString(date, QLocale::LongFormat);
}

} // namespace

QString weekdayListText(const Event &event)
{
    QString text;
    for (int i = 0; i < 7; ++i) {
        if (event.weekdays[i])
            appendListed(text, weekdayNames[i]);
    }
    return text;
}

QString monthListText(const Event &event)
{
    QString text;
    if (event.wholeYear)
        text = QStringLiteral("the Year");
    for (int i = 0; i < 12; ++i) {
        if (event.months[i])
            appendListed(text, monthNames[i]);
    }
    return text;
}

QString dayListText(const Event &event)
{
    const QString weekdays = weekdayListText(event);
    if (!event.useDayNumber)
        return weekdays;
    return weekdays.isEmpty() ? QStringLiteral("Day") : QStringLiteral("Day, ") + weekdays;
}

void MainWindow::on_viewButton_clicked()
{
    Event *event = currentEvent();
    if (!event) {
        Messages::inform(QStringLiteral("Select Event"), QStringLiteral("Please select an event to view."));
        return;
    }
    fillDetails(*event);
    ui->tabWidget->setCurrentIndex(2);
}

void MainWindow::fillDetails(Event &event)
{
    const QDate today = Clock::today();
    ui->eventNameLabel->setText(event.name);

    showLabels({ui->occuredLabelA, ui->occuredLabel, ui->occuredLabelB}, event.counted);
    if (event.counted) {
        event.advanceCount();
        ui->occuredLabel->setText(QString::number(event.count));
        ui->occuredLabelB->setText(event.count == 1 ? QStringLiteral(" time.") : QStringLiteral(" times."));
    }

    const QDate next = event.nextOccurrence(today);
    const bool comingUp = !next.isNull() && next >= today;
    showLabels({ui->nextDateLabel, ui->nextCountLabel, ui->nextDateLabelA, ui->nextDateLabelB, ui->nextDateLabelC},
               comingUp);
    if (comingUp) {
        ui->nextDateLabel->setText(longDate(next));
        ui->nextCountLabel->setText(QString::number(today.daysTo(next)));
    }

    showLabels({ui->eventDateLabelA, ui->eventDateLabel, ui->repeatLabelA, ui->repeatLabel, ui->weeklyLabelA,
                ui->weeklyLabel, ui->monthlyLabelA, ui->monthlyCountLabel, ui->monthlyPeriodLabel, ui->monthlyLabelB,
                ui->yearlyLabelA, ui->yearlyCountLabel, ui->yearlyPeriodLabel, ui->yearlyLabelB, ui->yearlyMonthLabel},
               false);
    if (event.schedule == Singular) {
        ui->scheduleLabel->setText(QStringLiteral("singular."));
        showLabels({ui->eventDateLabelA, ui->eventDateLabel}, true);
        ui->eventDateLabel->setText(longDate(event.date));
    } else {
        ui->scheduleLabel->setText(QStringLiteral("repeating."));
        showLabel(ui->repeatLabelA, true);
        switch (event.schedule) {
        case Weekly:
            showLabels({ui->weeklyLabelA, ui->weeklyLabel}, true);
            ui->weeklyLabel->setText(weekdayListText(event));
            ui->repeatLabel->setText(QStringLiteral("weekly."));
            showLabel(ui->repeatLabel, true);
            break;
        case Monthly:
            showLabels({ui->monthlyLabelA, ui->monthlyCountLabel, ui->monthlyPeriodLabel, ui->monthlyLabelB}, true);
            ui->monthlyCountLabel->setText(Event::ordinalSuffix(event.ordinal) + QLatin1Char(' '));
            ui->monthlyPeriodLabel->setText(dayListText(event));
            ui->repeatLabel->setText(QStringLiteral("monthly."));
            showLabel(ui->repeatLabel, true);
            break;
        case Yearly:
            showLabels(
                {ui->yearlyLabelA, ui->yearlyCountLabel, ui->yearlyPeriodLabel, ui->yearlyLabelB, ui->yearlyMonthLabel},
                true);
            ui->yearlyCountLabel->setText(Event::ordinalSuffix(event.ordinal) + QLatin1Char(' '));
            ui->yearlyPeriodLabel->setText(dayListText(event));
            ui->yearlyMonthLabel->setText(monthListText(event));
            ui->repeatLabel->setText(QStringLiteral("yearly."));
            showLabel(ui->repeatLabel, true);
            break;
        default:
            // A kind from a file that no rule knows: only "repeating." can be said of it.
            break;
        }
    }

    showLabels({ui->notifyLabelA, ui->notifedLabel, ui->notifedLabelB}, event.notify);
    showLabel(ui->noNotifyLabel, !event.notify);
    if (event.notify) {
        ui->notifedLabel->setText(QString::number(event.notifyDaysBefore));
        ui->notifedLabelB->setText(event.notifyDaysBefore == 1 ? QStringLiteral(" day before the event.")
                                                               : QStringLiteral(" days before the event."));
    }
    showLabel(ui->showOnceLabel, event.showOnce);
}
