// SPDX-License-Identifier: GPL-3.0-or-later
// The settings page's "Sync" group and "Sync now".
#include "mainwindow/mainwindow.h"
#include "mainwindow/messages.h"
#include "sync/backgroundsync.h"
#include "sync/passwordstore.h"
#include "ui_mainwindow.h"

#include <QCoreApplication>
#include <QHeaderView>
#include <QProgressDialog>
#include <QTimer>

#include <optional>

namespace {

// Told once a run: without a secret store, a typed password lasts until the program ends.
void tellPasswordNotStored()
{
    static bool told = false;
    if (told)
        return;
    told = true;
    Messages::inform(MainWindow::tr("Password Not Stored"),
                     MainWindow::tr("No secret store runs on this desktop, so the password is kept only until Oriventa "
                                    "closes. You will be asked for it again at the next start."));
}

QString accountOf(const SyncSettings &settings)
{
    return settings.user + QLatin1Char('@') + settings.url.toString();
}

// What a cancelled "Sync now" tells: that it stopped, and what it had done by then.
QString cancelledText(const SyncOutcome &outcome)
{
    const QString cancelled =
        MainWindow::tr("The sync was cancelled. What it had done is kept, and the next sync goes on from "
                       "there.");
    if (!outcome.uploaded && !outcome.downloaded && !outcome.deletedHere && !outcome.deletedThere &&
        !outcome.restored && outcome.conflicts.isEmpty())
        return cancelled;
    SyncOutcome done = outcome;
    done.ok = true;
    return cancelled + QLatin1String("\n\n") + done.summaryText();
}

} // namespace

void MainWindow::fillSyncSettings()
{
    const SyncSettings settings = readSyncSettings();
    ui->syncUrlEdit->setText(settings.url.toString());
    ui->syncUserEdit->setText(settings.user);
    // The stored password stays in its store: the field only takes a new one.
    ui->syncPasswordEdit->clear();
    offerCalendars(settings, {});
}

void MainWindow::offerCalendars(const SyncSettings &account, const QList<CalendarChoice> &found)
{
    calendarsOf = accountOf(account);
    ui->syncCalendarBox->clear();
    ui->syncCalendarBox->addItem(tr("New calendar \"Oriventa\""), QUrl());
    for (const CalendarChoice &calendar : found)
        ui->syncCalendarBox->addItem(calendar.name, calendar.url);
    if (!account.calendar.isEmpty()) {
        int index = ui->syncCalendarBox->findData(account.calendar);
        if (index < 0) {
            ui->syncCalendarBox->addItem(account.calendar.toString(), account.calendar);
            index = ui->syncCalendarBox->count() - 1;
        }
        ui->syncCalendarBox->setCurrentIndex(index);
    }
}

SyncSettings MainWindow::syncSettingsFromFields()
{
    QString user;
    QString password;
    SyncSettings settings;
    settings.url = addressFromText(ui->syncUrlEdit->text(), &user, &password);
    // A user and password typed into the address go to their own fields: the address is stored
    // without them, and the password only where passwords are kept.
    if (!user.isEmpty() || !password.isEmpty())
        ui->syncUrlEdit->setText(settings.url.toString());
    if (!user.isEmpty() && ui->syncUserEdit->text().trimmed().isEmpty())
        ui->syncUserEdit->setText(user);
    if (!password.isEmpty() && ui->syncPasswordEdit->text().isEmpty())
        ui->syncPasswordEdit->setText(password);
    settings.user = ui->syncUserEdit->text().trimmed();
    // A calendar belongs to its account: another account finds or makes its own.
    if (accountOf(settings) == calendarsOf)
        settings.calendar = ui->syncCalendarBox->currentData().toUrl();
    return settings;
}

void MainWindow::storeSyncSettings()
{
    const SyncSettings settings = syncSettingsFromFields();
    writeSyncSettings(settings);
    const QString password = ui->syncPasswordEdit->text();
    if (settings.isConfigured() && !password.isEmpty() && !PasswordStore::keep(settings.url, settings.user, password))
        tellPasswordNotStored();
}

void MainWindow::on_syncNowButton_clicked()
{
    // What is typed counts, stored or not: only OK stores it.
    SyncSettings settings = syncSettingsFromFields();
    if (!settings.isConfigured()) {
        Messages::warn(tr("Sync Failed"), tr("Enter the address of the server first."));
        return;
    }
    QString password = ui->syncPasswordEdit->text();
    if (password.isEmpty() && !PasswordStore::availablePassword(settings, &password)) {
        if (!Messages::askPassword(tr("Sync"), tr("Password for %1:").arg(settings.user), &password))
            return;
        // In its field, OK keeps it with the rest.
        ui->syncPasswordEdit->setText(password);
    }
    SyncOutcome outcome = syncRows(settings, password);
    if (closeAfterSync) {
        QTimer::singleShot(0, this, &QWidget::close);
        return;
    }
    if (outcome.deletionsHeld > 0 && Messages::allowDeletions(outcome.error)) {
        SyncOptions options;
        options.allowDeletions = true;
        outcome = syncRows(settings, password, options);
    }
    // A refused password is not left for OK to keep.
    if (outcome.passwordRefused)
        ui->syncPasswordEdit->clear();
    if (outcome.cancelled) {
        Messages::inform(tr("Sync Cancelled"), cancelledText(outcome));
        return;
    }
    if (!outcome.ok) {
        Messages::warn(tr("Sync Failed"), outcome.error);
        return;
    }
    // Now that the account answers, its calendars are offered, the one just synced with chosen.
    QList<CalendarChoice> calendars;
    QString error;
    {
        const Messages::BusyCursor busy;
        findCalendars(settings, password, &calendars, &error);
    }
    offerCalendars(settings, calendars);
    Messages::inform(tr("Sync"), outcome.summaryText());
}

SyncOutcome MainWindow::syncRows(SyncSettings &settings, const QString &password, const SyncOptions &options)
{
    SyncOutcome outcome;
    // The file is what is synced: it must hold the rows first, as closing would write them.
    if (!saveEventsFile()) {
        outcome.error = tr("Your events could not be saved, so they were not synced: %1.").arg(eventsFile.saveError());
        return outcome;
    }
    // Asked for, the sync runs until it is done or cancelled; each request keeps its own limit.
    SyncOptions explicitSync = options;
    explicitSync.timeLimitMs = 0;
    // Shown only when the sync takes more than a moment, so that a quick one does not flash it.
    QProgressDialog dialog(SyncProgress().text(), tr("Cancel"), 0, 0, this);
    dialog.setWindowTitle(tr("Sync"));
    dialog.setWindowModality(Qt::ApplicationModal);
    dialog.setAutoReset(false);
    dialog.setAutoClose(false);
    dialog.setMinimumDuration(500);
    dialog.setValue(0);
    // The wait cursor lasts until the dialog is there to be watched, and its Cancel to be clicked.
    std::optional<Messages::BusyCursor> busy(std::in_place);
    explicitSync.progress = [this, &dialog, &busy](const SyncProgress &progress) {
        // Cancelled, the dialog is gone and blocks nothing: no input is let in while the sync winds up.
        if (dialog.wasCanceled() || closeAfterSync)
            return false;
        dialog.setLabelText(progress.text());
        dialog.setMaximum(progress.total);
        dialog.setValue(progress.done);
        // The sync waits for the server without user input, as it must while a window opens or
        // closes; here input is let in for the dialog alone, which blocks every other window once
        // it shows. Until then input waits, or a click in the list would act in the middle of a sync.
        const bool shown = dialog.isVisible();
        if (shown)
            busy.reset();
        QCoreApplication::processEvents(shown ? QEventLoop::AllEvents : QEventLoop::ExcludeUserInputEvents);
        return !dialog.wasCanceled() && !closeAfterSync;
    };
    syncing = true;
    outcome = syncEventsFile(settings, password, eventsFilePath(), explicitSync);
    syncing = false;
    // A cancelled or cut-off sync keeps the items it settled in the file too.
    if (outcome.listChanged || outcome.cancelled || outcome.partial)
        reloadRows();
    return outcome;
}

void MainWindow::reloadRows()
{
    // The current row is found again by name after the reload; names are unique in the list.
    const Event *current = currentEvent();
    const QString currentName = current ? current->name : QString();
    for (int row = 0; row < model->rowCount(); ++row)
        delete model->eventAt(row);
    model->removeRows(0, model->rowCount());
    nameCount.clear();
    loadRows();
    resortList();
    if (currentName.isEmpty())
        return;
    for (int row = 0; row < model->rowCount(); ++row) {
        if (model->eventAt(row)->name == currentName) {
            ui->eventTreeView->setCurrentIndex(model->index(row, 0));
            break;
        }
    }
}

SyncOutcome MainWindow::syncFromWindow(const QString &password)
{
    SyncOutcome outcome;
    if (syncUnasked(eventsFilePath(), password, &outcome) || outcome.deletionsHeld == 0 ||
        !Messages::allowDeletions(outcome.error))
        return outcome;
    SyncOptions options;
    options.allowDeletions = true;
    syncUnasked(eventsFilePath(), password, &outcome, options);
    return outcome;
}

bool MainWindow::syncBeforeOpening(const bool &ending)
{
    const SyncSettings settings = readSyncSettings();
    if (!settings.isConfigured())
        return true;
    QString password;
    bool asking = !PasswordStore::availablePassword(settings, &password);
    QString refused;
    while (!ending) {
        if (asking &&
            !Messages::askPassword(
                tr("Sync"), refused + tr("Password for %1 on %2:").arg(settings.user, settings.url.host()), &password))
            return false;
        if (ending)
            break;
        if (!syncFromWindow(password).passwordRefused) {
            if (asking)
                PasswordStore::keep(settings.url, settings.user, password);
            return true;
        }
        // Wrong for good: kept nowhere, and the user may type another.
        PasswordStore::deletePassword(settings.url, settings.user);
        refused = tr("The server refused the user name or password.") + QLatin1Char('\n');
        asking = true;
    }
    return false;
}
