// SPDX-License-Identifier: GPL-3.0-or-later
// The settings page's "Sync" group and "Sync now".
#include "mainwindow/mainwindow.h"
#include "mainwindow/messages.h"
#include "sync/backgroundsync.h"
#include "sync/passwordstore.h"
#include "ui_mainwindow.h"

#include <QHeaderView>

namespace {

// An address typed without a scheme is taken as a web address; an empty field means no sync.
QUrl urlFromField(const QString &text)
{
    const QString trimmed = text.trimmed();
    return trimmed.isEmpty() ? QUrl() : QUrl::fromUserInput(trimmed);
}

// Told once a run: without a secret store, a typed password lasts until the program ends.
void tellPasswordNotStored()
{
    static bool told = false;
    if (told)
        return;
    told = true;
    Messages::inform(QObject::tr("Password Not Stored"),
                     QObject::tr("No secret store runs on this desktop, so the password is kept only until Oriventa "
                                 "closes. You will be asked for it again at the next start."));
}

} // namespace

void MainWindow::fillSyncSettings(const QList<CalendarChoice> &found)
{
    const SyncSettings settings = readSyncSettings();
    ui->syncUrlEdit->setText(settings.url.toString());
    ui->syncUserEdit->setText(settings.user);
    ui->syncUrlEdit->setModified(false);
    ui->syncUserEdit->setModified(false);
    // The stored password stays in its store: the field only takes a new one.
    ui->syncPasswordEdit->clear();
    ui->syncCalendarBox->clear();
    ui->syncCalendarBox->addItem(tr("New calendar \"Oriventa\""), QUrl());
    for (const CalendarChoice &calendar : found)
        ui->syncCalendarBox->addItem(calendar.name, calendar.url);
    if (!settings.calendar.isEmpty()) {
        int index = ui->syncCalendarBox->findData(settings.calendar);
        if (index < 0) {
            ui->syncCalendarBox->addItem(settings.calendar.toString(), settings.calendar);
            index = ui->syncCalendarBox->count() - 1;
        }
        ui->syncCalendarBox->setCurrentIndex(index);
    }
}

void MainWindow::on_syncUrlEdit_editingFinished()
{
    storeSyncAccount();
}

void MainWindow::on_syncUserEdit_editingFinished()
{
    storeSyncAccount();
}

void MainWindow::on_syncPasswordEdit_editingFinished()
{
    storeSyncPassword();
}

void MainWindow::storeSyncAccount()
{
    if (!ui->syncUrlEdit->isModified() && !ui->syncUserEdit->isModified())
        return;
    SyncSettings settings = readSyncSettings();
    const QUrl url = urlFromField(ui->syncUrlEdit->text());
    const QString user = ui->syncUserEdit->text().trimmed();
    ui->syncUrlEdit->setModified(false);
    ui->syncUserEdit->setModified(false);
    if (url == settings.url && user == settings.user)
        return;
    // A calendar belongs to its account: another account finds or makes its own.
    settings.url = url;
    settings.user = user;
    settings.calendar.clear();
    writeSyncSettings(settings);
    ui->syncCalendarBox->setCurrentIndex(0);
    while (ui->syncCalendarBox->count() > 1)
        ui->syncCalendarBox->removeItem(1);
    // A password typed for the old account is meant for the new one.
    if (!ui->syncPasswordEdit->text().isEmpty())
        ui->syncPasswordEdit->setModified(true);
    storeSyncPassword();
}

void MainWindow::storeSyncPassword()
{
    const QString password = ui->syncPasswordEdit->text();
    if (!ui->syncPasswordEdit->isModified() || password.isEmpty())
        return;
    const SyncSettings settings = readSyncSettings();
    if (!settings.isConfigured())
        return;
    ui->syncPasswordEdit->setModified(false);
    if (!PasswordStore::keep(settings.url, settings.user, password))
        tellPasswordNotStored();
}

void MainWindow::on_syncCalendarBox_activated(int index)
{
    SyncSettings settings = readSyncSettings();
    settings.calendar = ui->syncCalendarBox->itemData(index).toUrl();
    writeSyncSettings(settings);
}

void MainWindow::on_syncNowButton_clicked()
{
    // What was typed last counts, even while its field still has the focus.
    storeSyncAccount();
    storeSyncPassword();
    SyncSettings settings = readSyncSettings();
    if (!settings.isConfigured()) {
        Messages::warn(tr("Sync Failed"), tr("Enter the address of the server first."));
        return;
    }
    QString password;
    if (!PasswordStore::availablePassword(settings, &password)) {
        if (!Messages::askPassword(tr("Sync"), tr("Password for %1:").arg(settings.user), &password))
            return;
        if (!PasswordStore::keep(settings.url, settings.user, password))
            tellPasswordNotStored();
    }
    SyncOutcome outcome = syncRows(settings, password);
    if (outcome.deletionsHeld > 0 && Messages::allowDeletions(outcome.error)) {
        SyncOptions options;
        options.allowDeletions = true;
        outcome = syncRows(settings, password, options);
    }
    if (!outcome.ok) {
        Messages::warn(tr("Sync Failed"), outcome.error);
        return;
    }
    // Now that the account answers, its calendars are offered for the next syncs.
    QList<CalendarChoice> calendars;
    QString error;
    {
        const Messages::BusyCursor busy;
        findCalendars(settings, password, &calendars, &error);
    }
    fillSyncSettings(calendars);
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
    const Messages::BusyCursor busy;
    outcome = syncAndKeepCalendar(settings, password, eventsFilePath(), options);
    if (outcome.ok && outcome.listChanged)
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

void MainWindow::syncFromWindow(const QString &password)
{
    SyncOutcome outcome;
    if (syncUnasked(eventsFilePath(), password, &outcome) || outcome.deletionsHeld == 0 ||
        !Messages::allowDeletions(outcome.error))
        return;
    SyncOptions options;
    options.allowDeletions = true;
    syncUnasked(eventsFilePath(), password, nullptr, options);
}
