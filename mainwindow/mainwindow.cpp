// SPDX-License-Identifier: GPL-3.0-or-later
#include "mainwindow/mainwindow.h"

#include "ferrule/updater.h"
#include "interop/fileexport.h"
#include "mainwindow/messages.h"
#include "model/clock.h"
#include "model/nativesettings.h"
#include "platform/glass.h"
#include "platform/screenarea.h"
#include "platform/textfit.h"
#include "social/socialsession.h"
#include "sync/backgroundsync.h"
#include "ui_mainwindow.h"

#include <QCloseEvent>
#include <QDir>
#include <QHeaderView>
#include <QKeyEvent>
#include <QSpinBox>
#include <QTabBar>
#include <QTimer>

#include <algorithm>

// The images are compiled into a static library: register them before the form asks for them.
static void initResources()
{
    Q_INIT_RESOURCE(resources);
}

namespace {

// Every row's event, top row first.
EventStore rowEvents(const EventListModel &model)
{
    EventStore events;
    events.reserve(model.rowCount());
    for (int row = 0; row < model.rowCount(); ++row) {
        if (Event *event = model.eventAt(row))
            events.append(event);
    }
    return events;
}

bool isEnter(const QKeyEvent *event)
{
    return event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter;
}

// Keys held with Ctrl, Alt or Meta are left to other commands; the keypad flag only tells where Enter was.
bool isPlain(const QKeyEvent *event)
{
    return (event->modifiers() & ~Qt::KeypadModifier) == Qt::NoModifier;
}

} // namespace

MainWindow::MainWindow(QWidget *parent)
    : QMainWindow(parent), ui(new Ui::MainWindow), model(nullptr), dateRefreshTimer(new QTimer(this))
{
    initResources();
    ui->setupUi(this);
    ui->tabWidget->setProperty("showTabs", false);
    ui->tabWidget->setCurrentIndex(0);
    keepButtonTitlesWhole();
    sayDaysBefore();
    for (QSpinBox *box : {ui->notifyMaxSpinBox, ui->facebookNotifyMaxSpinBox})
        connect(box, qOverload<int>(&QSpinBox::valueChanged), this, &MainWindow::sayDaysBefore);

    model = new EventListModel(this);
    model->setHeaderData(EventListModel::DateColumn, Qt::Horizontal, tr("Date"), Qt::EditRole);
    model->setHeaderData(EventListModel::DaysColumn, Qt::Horizontal, tr("Days Remaining"), Qt::EditRole);
    model->setHeaderData(EventListModel::NameColumn, Qt::Horizontal, tr("Event"), Qt::EditRole);
    model->setHeaderData(EventListModel::DataColumn, Qt::Horizontal, tr("Data"), Qt::EditRole);

    ui->eventTreeView->setModel(model);
    ui->eventTreeView->hideColumn(EventListModel::DataColumn);
    ui->eventTreeView->installEventFilter(this);
    // The form leaves the repeat tabs out of its tab order: naming a tab widget there puts the
    // lists on its pages in a loop of their own. Its tab bar goes between the radio and the lists.
    QWidget::setTabOrder(ui->repeatingRadioButton, ui->repeatingTabWidget->findChild<QTabBar *>());

    loadRows();
    buildCheckLists();

    // With desktop composition the pages stay transparent so that the glass shows through.
    if (!compositionEnabled())
        ui->centralWidget->setStyleSheet(ui->centralWidget->styleSheet() +
                                         QStringLiteral("QWidget#centralWidget {background-color: rgb(232,236,246);} "
                                                        "QWidget#viewTab {background-color: rgb(214,221,239);} "
                                                        "QWidget#editTab {background-color: rgb(214,221,239);} "
                                                        "QWidget#infoTab {background-color: rgb(214,221,239);} "
                                                        "QWidget#settingsTab {background-color: rgb(214,221,239);}"));

    const QSettings settings = nativeSettings();
    const QByteArray geometry = settings.value(QStringLiteral("geometryMainWindow")).toByteArray();
    restoreGeometry(geometry);
    // Qt moves a window near the top of the screen down by the height it guesses for a title bar,
    // which moves a window without one, or with a lower one, at the next start: the stored place is
    // taken as it was.
    if (const QRect inside = storedInside(geometry); inside.isValid())
        setGeometry(inside);
    // A geometry stored on a larger screen, or by a window that once grew too wide, must still fit.
    fitIntoScreen();
    const int sortOrder = settings.value(QStringLiteral("sortOrder")).toInt();
    const int sortSection = settings.value(QStringLiteral("sortSection")).toInt();
    // Values from elsewhere could name the hidden column or no order at all.
    ui->eventTreeView->sortByColumn(std::clamp(sortSection, 0, int(EventListModel::NameColumn)),
                                    sortOrder == Qt::DescendingOrder ? Qt::DescendingOrder : Qt::AscendingOrder);

    readPreferences(preferences, settingsFilePath());

    keepDaysHeaderWhole();

    dateRefreshTimer->setSingleShot(true);
    connect(dateRefreshTimer, &QTimer::timeout, this, &MainWindow::refreshDates);
    scheduleDateRefresh();
}

MainWindow::~MainWindow()
{
    // The rows own their events.
    for (int row = 0; row < model->rowCount(); ++row)
        delete model->eventAt(row);
    if (facebookDialog)
        facebookDialog->destroy();
    delete ui;
}

void MainWindow::addEventRow(Event *event)
{
    const QDate today = Clock::today();
    model->insertRows(0, 1);
    model->writeEvent(0, *event, today);
    model->setData(model->index(0, EventListModel::DataColumn), QVariant::fromValue(event), Qt::EditRole);
    ++nameCount[event->name];
}

void MainWindow::replaceEventRow(int row, Event *event)
{
    model->writeEvent(row, *event, Clock::today());
    Event *old = model->eventAt(row);
    if (old) {
        --nameCount[old->name];
        delete old;
    }
    ++nameCount[event->name];
    model->setData(model->index(row, EventListModel::DataColumn), QVariant::fromValue(event), Qt::EditRole);
}

void MainWindow::removeEventRow(int row)
{
    Event *event = model->eventAt(row);
    if (event) {
        --nameCount[event->name];
        delete event;
    }
    model->removeRows(row, 1);
}

Event *MainWindow::eventAtRow(int row) const
{
    return model->eventAt(row);
}

Event *MainWindow::currentEvent() const
{
    const QModelIndex current = ui->eventTreeView->currentIndex();
    return current.isValid() ? eventAtRow(current.row()) : nullptr;
}

bool MainWindow::isNameTaken(const QString &name) const
{
    return nameCount.value(name) != 0;
}

bool MainWindow::saveRows(const QString &path)
{
    return saveEvents(rowEvents(*model), path);
}

bool MainWindow::exportRows(const QString &path, ExportReport *report, QString *error)
{
    return exportFile(rowEvents(*model), path, Clock::today(), report, error);
}

void MainWindow::loadRows()
{
    eventsFile.open();
    addEventRows(eventsFile.takeEvents());
    datesWrittenFor = Clock::today();
}

void MainWindow::addEventRows(const EventStore &events)
{
    model->insertAtTop(events, Clock::today());
    for (const Event *event : events)
        ++nameCount[event->name];
}

void MainWindow::refreshDates()
{
    const QDate today = Clock::today();
    if (today != datesWrittenFor) {
        model->refreshDates(today);
        datesWrittenFor = today;
        // Only a sort by a date column can change with the day; the rows keep their selection.
        const int section = ui->eventTreeView->header()->sortIndicatorSection();
        if (section == EventListModel::DateColumn || section == EventListModel::DaysColumn)
            resortList();
    }
    scheduleDateRefresh();
}

void MainWindow::resortList()
{
    const QHeaderView *header = ui->eventTreeView->header();
    ui->eventTreeView->sortByColumn(header->sortIndicatorSection(), header->sortIndicatorOrder());
}

void MainWindow::scheduleDateRefresh()
{
    // Wake just after midnight, and at least every minute so that a suspended machine or a
    // changed clock is noticed soon after.
    const QDateTime now = Clock::now();
    const qint64 toMidnight = now.msecsTo(QDateTime(now.date().addDays(1), QTime(0, 0)));
    dateRefreshTimer->start(int(std::clamp<qint64>(toMidnight + 500, 1000, 60 * 1000)));
}

void MainWindow::fitIntoScreen()
{
    if (isMaximized() || isFullScreen())
        return;
    const QRect available = availableArea(this);
    if (available.isEmpty())
        return;
    // In the window's inside coordinates, as restoreGeometry() left them: move() would take them
    // for the frame's place, which puts the window a frame's width lower under a window manager at
    // every start. When the window cannot fit, its top left corner stays on the screen.
    const QRect room = available - frameMargins(this);
    const QRect wanted(geometry().topLeft(), size().boundedTo(room.size()).expandedTo(minimumSize()));
    const QRect kept(keptInside(room, wanted).topLeft(), wanted.size());
    if (kept != geometry())
        setGeometry(kept);
}

void MainWindow::keepDaysHeaderWhole()
{
    QHeaderView *header = ui->eventTreeView->header();
    // The header takes its font from the window's style sheet only once it is polished.
    header->ensurePolished();
    int needed = header->sectionSizeHint(EventListModel::DaysColumn);
    // Styles that put the sort arrow beside the text take its room from the text when painting.
    if (header->style()->styleHint(QStyle::SH_Header_ArrowAlignment, nullptr, header) & Qt::AlignVCenter)
        needed += header->style()->pixelMetric(QStyle::PM_HeaderMarkSize, nullptr, header);
    header->setMinimumSectionSize(std::max(header->minimumSectionSize(), needed));
}

bool MainWindow::saveEventsFile()
{
    if (!eventsFile.save(rowEvents(*model)))
        return false;
    if (eventsFile.keptOriginal() == KeptOriginal::Overwritten)
        Messages::warn(tr("Damaged Events File"),
                       tr("Your events file could not be read to its end. Your events have been saved, but the "
                          "damaged file could not be kept beside them."));
    return true;
}

bool MainWindow::saveBeforeClosing()
{
    // A file that could not be read is left alone; with nothing added there is nothing to keep.
    if (eventsFile.state() == EventsFile::State::Unreadable && model->rowCount() == 0)
        return true;
    const QString file = QDir::toNativeSeparators(eventsFile.path());
    while (!saveEventsFile()) {
        const bool unreadable = eventsFile.state() == EventsFile::State::Unreadable;
        const QString text =
            unreadable ? tr("Your events could not be saved: %1 could not be read when Oriventa started (%2), "
                            "so it is left as it is.")
                             .arg(file, eventsFile.reason())
                       : tr("Your events could not be saved in %1: %2.").arg(file, eventsFile.saveError());
        switch (Messages::askAfterFailedSave(text, !unreadable)) {
        case Messages::SaveChoice::Retry:
            break;
        case Messages::SaveChoice::SaveElsewhere:
            if (saveElsewhere())
                return true;
            break;
        case Messages::SaveChoice::CloseWithoutSaving:
            return true;
        case Messages::SaveChoice::Cancel:
            return false;
        }
    }
    return true;
}

void MainWindow::tellAboutTheFile()
{
    const QString file = QDir::toNativeSeparators(eventsFile.path());
    if (eventsFile.state() == EventsFile::State::Unreadable) {
        Messages::warn(tr("Events File Unreadable"),
                       tr("Your events file %1 could not be read: %2.\n\nOriventa leaves it as it is and will not "
                          "save over it; events you add now can be saved elsewhere when you close the window.")
                           .arg(file, eventsFile.reason()));
        return;
    }
    DamageNote note = eventsFile.damageNote();
    if (eventsFile.state() == EventsFile::State::Damaged) {
        note.keptCopy = eventsFile.keepDamagedCopy();
        note.eventsRead = eventsFile.eventsRead();
    } else if (note.reported) {
        return;
    }
    // Said only where a sync is set up to do it.
    const QString restore = readSyncSettings().isConfigured()
                                ? QLatin1Char(' ') + tr("The next sync will take back what the server holds.")
                                : QString();
    const QString kept = note.keptCopy.isEmpty()
                             ? tr("The unread part could not be kept.")
                             : tr("The unread part is kept as %1.").arg(QDir::toNativeSeparators(note.keptCopy));
    Messages::inform(tr("Damaged Events File"),
                     tr("Your events file %1 could not be read to its end: only %2 of its events could be read.")
                             .arg(file)
                             .arg(note.eventsRead) +
                         QLatin1Char(' ') + kept + restore);
    eventsFile.setDamageReported();
}

void MainWindow::closeEvent(QCloseEvent *event)
{
    if (syncing) {
        closeAfterSync = true;
        event->ignore();
        return;
    }
    // A login window left open would keep the program running after its list was saved.
    facebookClose();
    if (!saveBeforeClosing()) {
        event->ignore();
        return;
    }
    // The server gets what was just saved; a sync that fails here changes nothing and only logs why.
    if (eventsFile.state() == EventsFile::State::Fine)
        syncFromWindow();

    QSettings settings = nativeSettings();
    settings.setValue(QStringLiteral("geometryMainWindow"), saveGeometry());
    const QHeaderView *header = ui->eventTreeView->header();
    settings.setValue(QStringLiteral("sortOrder"), int(header->sortIndicatorOrder()));
    settings.setValue(QStringLiteral("sortSection"), header->sortIndicatorSection());

    QMainWindow::closeEvent(event);
}

void MainWindow::changeEvent(QEvent *event)
{
    QMainWindow::changeEvent(event);
    if (event->type() == QEvent::LanguageChange) {
        ui->retranslateUi(this);
        keepButtonTitlesWhole();
        sayDaysBefore();
    }
}

void MainWindow::sayDaysBefore()
{
    const auto after = [](int days) {
        //: The words after a box with the number of days: only what follows the number is shown.
        return aroundNumber(tr("%n days before the event.", "after a box", days), days).second;
    };
    ui->label_2->setText(after(ui->notifyMaxSpinBox->value()));
    ui->label_12->setText(after(ui->facebookNotifyMaxSpinBox->value()));
}

void MainWindow::keepButtonTitlesWhole()
{
    keepTitlesWhole(
        {ui->saveButton, ui->cancelButton, ui->viewOKButton, ui->settingOKButton, ui->settingsCancelButton});
}

void MainWindow::showEvent(QShowEvent *event)
{
    QMainWindow::showEvent(event);
    // Only now is the size of the window frame known. A window shown again by the window system
    // stays where the user left it.
    if (!event->spontaneous())
        fitIntoScreen();
    // Once the window is up, so that the message has the list behind it.
    if (!toldAboutTheFile) {
        toldAboutTheFile = true;
        QTimer::singleShot(0, this, &MainWindow::tellAboutTheFile);
    }
}

void MainWindow::keyPressEvent(QKeyEvent *event)
{
    // Keys arrive here only when the widget with the focus had no use for them: a spin box has
    // taken its typed value before it lets Enter through.
    QAbstractButton *button = nullptr;
    if (isPlain(event)) {
        switch (ui->tabWidget->currentIndex()) {
        case 1:
            if (isEnter(event))
                button = ui->saveButton;
            else if (event->key() == Qt::Key_Escape)
                button = ui->cancelButton;
            break;
        case 2:
            if (event->key() == Qt::Key_Escape)
                button = ui->viewOKButton;
            break;
        default:
            break;
        }
    }
    if (button)
        button->click();
    else
        QMainWindow::keyPressEvent(event);
}

bool MainWindow::eventFilter(QObject *watched, QEvent *event)
{
    // Taken before the list sees them: it would use Delete for its type-ahead search. The type is
    // tested first: other events still arrive while the window's children are destroyed.
    if (event->type() == QEvent::KeyPress && watched == ui->eventTreeView) {
        const auto *key = static_cast<QKeyEvent *>(event);
        if (isPlain(key) && key->key() == Qt::Key_Delete) {
            ui->removeButton->click();
            return true;
        }
        if (isPlain(key) && isEnter(key)) {
            ui->viewButton->click();
            return true;
        }
    }
    return QMainWindow::eventFilter(watched, event);
}

void MainWindow::on_viewOKButton_clicked()
{
    ui->tabWidget->setCurrentIndex(0);
}

void MainWindow::on_settingsCancelButton_clicked()
{
    // What was typed goes: the next "Sync now" must not use it.
    fillSyncSettings();
    ui->tabWidget->setCurrentIndex(0);
}

void MainWindow::on_settingsButton_clicked()
{
    fillSettings();
    ui->tabWidget->setCurrentIndex(3);
}

void MainWindow::on_settingOKButton_clicked()
{
    storeSettings();
    ui->tabWidget->setCurrentIndex(0);
}

void MainWindow::on_updatePushButton_clicked()
{
    Ferrule::getUpdater()->manualCheck();
}

void MainWindow::fillSettings()
{
    ui->trayRadioButton->setChecked(!preferences.popupNotifications);
    ui->popupRadioButton->setChecked(preferences.popupNotifications);
    // The buttons exclude one another: this one unchecks the window style's.
    if (readReminderStyle() == ReminderStyle::Notification)
        ui->notificationRadioButton->setChecked(true);
    ui->seperateCheckBox->setChecked(preferences.separateNotifications);
    ui->facebookNotifyCheckBox->setChecked(preferences.facebookNotify);
    // The spin box follows the stored switch only when the page opens, not while it is open.
    ui->facebookNotifyMaxSpinBox->setEnabled(preferences.facebookNotify);
    ui->facebookNotifyMaxSpinBox->setValue(preferences.facebookNotify ? preferences.facebookNotifyDaysBefore : 0);
    ui->facebookShowOnceCheckBox->setChecked(preferences.facebookShowOnce);
    ui->updateCheckBox->setChecked(Ferrule::getUpdater()->autoRun());
    fillSyncSettings();
}

void MainWindow::storeSettings()
{
    // With notifications chosen the window style keeps its last value, for when they are unavailable.
    const bool notifications = ui->notificationRadioButton->isChecked();
    if (!notifications)
        preferences.popupNotifications = ui->popupRadioButton->isChecked();
    writeReminderStyle(notifications ? ReminderStyle::Notification : ReminderStyle::Window);
    preferences.separateNotifications = ui->seperateCheckBox->isChecked();
    preferences.facebookNotify = ui->facebookNotifyCheckBox->isChecked();
    preferences.facebookNotifyDaysBefore = ui->facebookNotifyMaxSpinBox->value();
    preferences.facebookShowOnce = ui->facebookShowOnceCheckBox->isChecked();
    Ferrule::getUpdater()->setAutoRun(ui->updateCheckBox->isChecked());
    writePreferences(preferences, settingsFilePath());
    storeSyncSettings();
}
