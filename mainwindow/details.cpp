// SPDX-License-Identifier: GPL-3.0-or-later
// The details page: an event described in sentences.
#include "mainwindow/details.h"

#include "mainwindow/mainwindow.h"
#include "mainwindow/messages.h"
#include "model/clock.h"
#include "ui_mainwindow.h"

#include <QLocale>

namespace {

void appendListed(QString &text, const QString &name)
{
    if (!text.isEmpty())
        text += QLatin1String(", ");
    text += name;
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
    return QLocale().toString(date, QLocale::LongFormat);
}

// One piece of a row of labels: a word label, or a value label that receives a value of the sentence.
struct Slot
{
    QLabel *label;
    bool value;
};

// Shows a translated sentence in its row of labels: the text between the placeholders goes into the
// word labels, the values into the value labels, in the order in which the sentence names them, so
// that a language may order the parts as its grammar wants. Text between two values stays with the
// first. `count` is the number a plural sentence already holds in place of its %n, or -1.
void fillRow(const QList<Slot> &row, QString sentence, const QStringList &values, int count = -1)
{
    // Markers from the private use area stand for the values while the sentence is cut apart.
    const auto marker = [](int i) { return QChar(0xE000 + i); };
    QStringList shown = values;
    for (int i = 0; i < values.size(); ++i)
        sentence.replace(QLatin1Char('%') + QString::number(i + 1), marker(i));
    // After the placeholders: the 1 of "%1" is no count.
    if (count >= 0) {
        const QString number = QString::number(count);
        const int at = sentence.indexOf(number);
        if (at >= 0)
            sentence.replace(at, number.size(), marker(values.size()));
        shown << number;
    }
    int next = 0;
    QLabel *last = nullptr;
    QString words;
    const auto placeWords = [&] {
        if (next < row.size() && !row[next].value) {
            row[next].label->setText(words);
            last = row[next++].label;
        } else if (last) {
            last->setText(last->text() + words);
        } else if (!words.isEmpty() && !row.isEmpty()) {
            // A sentence that starts with a value where the row starts with words.
            row.first().label->setText(words);
        }
        words.clear();
    };
    for (const QChar c : qAsConst(sentence)) {
        const int index = c.unicode() - 0xE000;
        if (index < 0 || index >= shown.size()) {
            words += c;
            continue;
        }
        placeWords();
        while (next < row.size() && !row[next].value)
            row[next++].label->clear();
        if (next < row.size()) {
            row[next].label->setText(shown[index]);
            last = row[next++].label;
        }
    }
    placeWords();
    for (; next < row.size(); ++next)
        row[next].label->clear();
}

// A sentence that names no value fills the first label of its row; the others stay empty.
void fillWhole(std::initializer_list<QLabel *> row, const QString &sentence)
{
    QLabel *first = *row.begin();
    first->setText(sentence);
    for (QLabel *label : row) {
        if (label != first)
            label->clear();
    }
}

} // namespace

QString weekdayListText(const Event &event)
{
    const QLocale locale;
    QString text;
    for (int i = 0; i < 7; ++i) {
        if (event.weekdays[i])
            appendListed(text, locale.standaloneDayName(i + 1, QLocale::LongFormat));
    }
    return text;
}

QString monthListText(const Event &event)
{
    const QLocale locale;
    QString text;
    if (event.wholeYear)
        //: In a list of months on the details page: "Every 3rd Friday of the Year, March".
        text = MainWindow::tr("the Year");
    for (int i = 0; i < 12; ++i) {
        if (event.months[i])
            appendListed(text, locale.standaloneMonthName(i + 1, QLocale::LongFormat));
    }
    return text;
}

QString dayListText(const Event &event)
{
    QString text;
    if (event.useDayNumber)
        //: The day number of a month or year, in a list with weekdays: "Every 15th Day of the month".
        text = MainWindow::tr("Day");
    const QString weekdays = weekdayListText(event);
    if (!weekdays.isEmpty())
        appendListed(text, weekdays);
    return text;
}

void MainWindow::on_viewButton_clicked()
{
    Event *event = currentEvent();
    if (!event) {
        Messages::inform(tr("Select Event"), tr("Please select an event to view."));
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
        fillRow({{ui->occuredLabelA, false}, {ui->occuredLabel, true}, {ui->occuredLabelB, false}},
                tr("This event has occurred %n times.", "", event.count), {}, event.count);
    }

    const QDate next = event.nextOccurrence(today);
    const bool comingUp = !next.isNull() && next >= today;
    showLabels({ui->nextDateLabel, ui->nextCountLabel, ui->nextDateLabelA, ui->nextDateLabelB, ui->nextDateLabelC},
               comingUp);
    if (comingUp) {
        const int days = int(today.daysTo(next));
        //: %1 is the date in the long format, %n the days from today.
        const QString sentence = tr("The event will occur next on %1, in %n days time.", "", days);
        fillRow({{ui->nextDateLabelA, false},
                 {ui->nextDateLabel, true},
                 {ui->nextDateLabelB, false},
                 {ui->nextCountLabel, true},
                 {ui->nextDateLabelC, false}},
                sentence, {longDate(next)}, days);
    }

    showLabels({ui->eventDateLabelA, ui->eventDateLabel, ui->repeatLabelA, ui->repeatLabel, ui->weeklyLabelA,
                ui->weeklyLabel, ui->monthlyLabelA, ui->monthlyCountLabel, ui->monthlyPeriodLabel, ui->monthlyLabelB,
                ui->yearlyLabelA, ui->yearlyCountLabel, ui->yearlyPeriodLabel, ui->yearlyLabelB, ui->yearlyMonthLabel},
               false);
    if (event.schedule == Singular) {
        fillWhole({ui->label_11, ui->scheduleLabel}, tr("This event is singular."));
        showLabels({ui->eventDateLabelA, ui->eventDateLabel}, true);
        //: %1 is the date in the long format.
        const QString sentence = tr("Occurring once on the %1");
        fillRow({{ui->eventDateLabelA, false}, {ui->eventDateLabel, true}}, sentence, {longDate(event.date)});
    } else {
        fillWhole({ui->label_11, ui->scheduleLabel}, tr("This event is repeating."));
        switch (event.schedule) {
        case Weekly: {
            showLabels({ui->weeklyLabelA, ui->weeklyLabel}, true);
            //: %1 lists weekdays: "Every Monday, Wednesday".
            const QString sentence = tr("Every %1");
            fillRow({{ui->weeklyLabelA, false}, {ui->weeklyLabel, true}}, sentence, {weekdayListText(event)});
            fillWhole({ui->repeatLabelA, ui->repeatLabel}, tr("Occurring weekly."));
            showLabel(ui->repeatLabelA, true);
            break;
        }
        case Monthly: {
            showLabels({ui->monthlyLabelA, ui->monthlyCountLabel, ui->monthlyPeriodLabel, ui->monthlyLabelB}, true);
            //: %1 is an ordinal number ("15th"), %2 "Day" and weekdays: "Every 15th Day of the month."
            const QString sentence = tr("Every %1 %2 of the month.");
            fillRow({{ui->monthlyLabelA, false},
                     {ui->monthlyCountLabel, true},
                     {ui->monthlyPeriodLabel, true},
                     {ui->monthlyLabelB, false}},
                    sentence, {Event::ordinalSuffix(event.ordinal), dayListText(event)});
            fillWhole({ui->repeatLabelA, ui->repeatLabel}, tr("Occurring monthly."));
            showLabel(ui->repeatLabelA, true);
            break;
        }
        case Yearly: {
            showLabels(
                {ui->yearlyLabelA, ui->yearlyCountLabel, ui->yearlyPeriodLabel, ui->yearlyLabelB, ui->yearlyMonthLabel},
                true);
            //: %1 is an ordinal number ("3rd"), %2 "Day" and weekdays, %3 "the Year" and months:
            //: "Every 3rd Friday of the Year, March"
            const QString sentence = tr("Every %1 %2 of %3");
            fillRow({{ui->yearlyLabelA, false},
                     {ui->yearlyCountLabel, true},
                     {ui->yearlyPeriodLabel, true},
                     {ui->yearlyLabelB, false},
                     {ui->yearlyMonthLabel, true}},
                    sentence, {Event::ordinalSuffix(event.ordinal), dayListText(event), monthListText(event)});
            fillWhole({ui->repeatLabelA, ui->repeatLabel}, tr("Occurring yearly."));
            showLabel(ui->repeatLabelA, true);
            break;
        }
        default:
            // A kind from a file that no rule knows: only that it repeats can be said of it, and no
            // half sentence is left to say how.
            break;
        }
    }

    showLabels({ui->notifyLabelA, ui->notifedLabel, ui->notifedLabelB}, event.notify);
    showLabel(ui->noNotifyLabel, !event.notify);
    if (event.notify) {
        fillRow({{ui->notifyLabelA, false}, {ui->notifedLabel, true}, {ui->notifedLabelB, false}},
                tr("You will be notified %n days before the event.", "", event.notifyDaysBefore), {},
                event.notifyDaysBefore);
    }
    showLabel(ui->showOnceLabel, event.showOnce);
}
