// SPDX-License-Identifier: GPL-3.0-or-later
// The main window's import and export: events files and the social-network import.
#include "interop/fileexport.h"
#include "interop/fileimport.h"
#include "interop/importedevents.h"
#include "mainwindow/mainwindow.h"
#include "mainwindow/messages.h"
#include "mainwindow/socialloader.h"
#include "model/clock.h"

#include <QDateTime>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QStandardPaths>

namespace {

QString eventsFileFilter()
{
    return MainWindow::tr("Events File (*.evt)");
}

QString iCalendarFilter()
{
    return MainWindow::tr("iCalendar (*.ics)");
}

QString importFilters()
{
    return QStringList{MainWindow::tr("All supported files (*.evt *.ics *.vcf)"), eventsFileFilter(), iCalendarFilter(),
                       MainWindow::tr("vCard (*.vcf)")}
        .join(QStringLiteral(";;"));
}

QString desktopDirectory()
{
    return QStandardPaths::writableLocation(QStandardPaths::DesktopLocation);
}

} // namespace

void MainWindow::on_importButton_clicked()
{
    const QString path = QFileDialog::getOpenFileName(this, tr("Import Events"), desktopDirectory(), importFilters());
    if (path.isEmpty())
        return;
    const QString fileName = QFileInfo(path).fileName();
    ImportSummary summary;
    FileFormat format = FileFormat::Unknown;
    {
        const Messages::BusyCursor busy;
        FileImport incoming = readImportFile(path, preferences, Clock::today());
        if (!incoming.ok) {
            // Nothing of a file that cannot be read goes into the list.
            Messages::warn(tr("Import Failed"), tr("%1 could not be imported: %2").arg(fileName, incoming.error));
            return;
        }
        // A name already in the list, or earlier in the same file, keeps its first event only.
        EventStore accepted;
        summary = takeNewEvents(
            incoming.report, [this](const QString &name) { return isNameTaken(name); }, accepted);
        addEventRows(accepted);
        resortList();
        format = incoming.format;
    }
    // An events file merges without a word, as in the original program; only its damage is worth one.
    if (format != FileFormat::Events)
        Messages::inform(tr("Import Complete"), importSummaryText(fileName, summary));
    else if (!summary.damage.isEmpty())
        Messages::warn(tr("Import Incomplete"), tr("%1 was imported only in part. %2").arg(fileName, summary.damage));
}

void MainWindow::on_exportButton_clicked()
{
    QString filter;
    QString path = QFileDialog::getSaveFileName(this, tr("Export Events"), desktopDirectory(),
                                                eventsFileFilter() + QStringLiteral(";;") + iCalendarFilter(), &filter);
    if (path.isEmpty())
        return;
    // The format follows the name; a name without a suffix takes the one of the chosen filter.
    if (filter == iCalendarFilter() && QFileInfo(path).suffix().isEmpty())
        path += QStringLiteral(".ics");
    ExportReport report;
    QString error;
    bool written = false;
    {
        const Messages::BusyCursor busy;
        written = exportRows(path, &report, &error);
    }
    const QString fileName = QFileInfo(path).fileName();
    if (!written)
        Messages::warn(tr("Export Failed"), tr("%1 could not be written: %2.").arg(fileName, error));
    else if (exportHasSummary(path))
        Messages::inform(tr("Export Complete"), exportSummaryText(fileName, report));
}

bool MainWindow::saveElsewhere()
{
    const QString path =
        QFileDialog::getSaveFileName(this, tr("Save Events Elsewhere"), desktopDirectory(), eventsFileFilter());
    if (path.isEmpty())
        return false;
    const QString shown = QDir::toNativeSeparators(path);
    if (!saveRows(path)) {
        Messages::warn(tr("Events Not Saved"), tr("%1 could not be written either.").arg(shown));
        return false;
    }
    Messages::inform(
        tr("Events Saved Elsewhere"),
        tr("Your events were saved in %1. Import that file once Oriventa can save its list again.").arg(shown));
    return true;
}

void MainWindow::on_importFacebookButton_clicked()
{
    startFacebookImport(BirthdayImport);
}

void MainWindow::on_importFacebookEventButton_clicked()
{
    startFacebookImport(EventImport);
}

void MainWindow::startFacebookImport(int mode)
{
    if (importMode != NoImport) {
        // The running import may wait for a login window that is hidden behind this one.
        if (facebookDialog)
            facebookDialog->raiseLoginWindow();
        return;
    }
    importMode = mode;
    openFacebookDialog();
}

void MainWindow::openFacebookDialog()
{
    if (!facebookDialog) {
        const SocialSessionFactory createSession = socialSessionFactory();
        if (!createSession) {
            // Without its module the import cannot reach the social network at all.
            facebookError();
            return;
        }
        facebookDialog = createSession({[this] { facebookReady(); }, [this] { facebookError(); },
                                        [this] { facebookInfoReady(); }, [this] { facebookClose(); }});
    }
    facebookDialog->login();
}

void MainWindow::facebookReady()
{
    if (!facebookDialog) {
        importMode = NoImport;
        return;
    }
    if (importMode == BirthdayImport)
        facebookDialog->loadFriends();
    else if (importMode == EventImport)
        facebookDialog->loadUserEvents();
}

void MainWindow::facebookInfoReady()
{
    if (!facebookDialog) {
        importMode = NoImport;
        return;
    }
    const QStringList names = facebookDialog->names();
    const QStringList dates = facebookDialog->dates();
    for (int i = 0; i < names.size(); ++i) {
        const QString dateText = dates.value(i);
        if (dateText.size() <= 4)
            continue;
        if (importMode == BirthdayImport)
            importBirthday(names[i], dateText);
        else
            importSocialEvent(names[i], dateText);
    }
    if (importMode == BirthdayImport)
        Messages::inform(tr("Import Complete"), tr("Your friend's birthdays have been imported."));
    else
        Messages::inform(tr("Import Complete"), tr("Your Facebook events have been imported."));
    importMode = NoImport;
}

void MainWindow::facebookClose()
{
    // This runs inside one of the dialog's own signals: it goes once that signal has returned,
    // and a released dialog no longer reports to the window.
    if (facebookDialog)
        facebookDialog->release();
    facebookDialog = nullptr;
    importMode = NoImport;
}

void MainWindow::facebookError()
{
    facebookClose();
    Messages::warn(tr("Facebook Error"), tr("There was an error connecting to Facebook, please try again."));
}

void MainWindow::on_logoutButton_clicked()
{
    facebookClose();
    Messages::inform(tr("Logout"), tr("You have logged out of Facebook."));
}

void MainWindow::importBirthday(const QString &name, const QString &dateText)
{
    addUnlessNameTaken(birthdayEvent(name, dateText, preferences, Clock::today()));
}

void MainWindow::importSocialEvent(const QString &name, const QString &dateText)
{
    addUnlessNameTaken(socialEvent(name, dateText, preferences, Clock::today()));
}

void MainWindow::addUnlessNameTaken(Event *event)
{
    if (isNameTaken(event->name))
        delete event;
    else
        addEventRow(event);
}
