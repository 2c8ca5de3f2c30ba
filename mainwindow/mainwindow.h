// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "mainwindow/eventlistmodel.h"
#include "model/eventsfile.h"
#include "model/preferences.h"
#include "sync/sync.h"

#include <QDate>
#include <QHash>
#include <QMainWindow>

struct ExportReport;
class SocialSession;
class QLabel;
class QListView;
class QStandardItemModel;
class QTimer;

namespace Ui {
class MainWindow;
}

class MainWindow : public QMainWindow
{
    Q_OBJECT

public:
    enum ImportMode
    {
        NoImport = 0,
        BirthdayImport = 1,
        EventImport = 2
    };

    explicit MainWindow(QWidget *parent = nullptr);
    ~MainWindow() override;

    // Row operations; they keep nameCount exact.
    void addEventRow(Event *event);
    void replaceEventRow(int row, Event *event);
    void removeEventRow(int row);
    Event *eventAtRow(int row) const;
    bool isNameTaken(const QString &name) const;
    int nameCountOf(const QString &name) const { return nameCount.value(name); }

    // A sync nobody asked for, from a window's opening or closing: a mass deletion it holds back
    // is put to the user.
    static SyncOutcome syncFromWindow(const QString &password = QString());
    // The sync before the list is read at start-up: where no password is at hand the user is asked
    // for one, and asked again, told so, while the server refuses it. Asking and syncing wait in
    // event loops: once `ending` is set, neither starts. False when no sync ran for want of a
    // password (the prompt was cancelled, or `ending` came first).
    static bool syncBeforeOpening(const bool &ending);

    // Writes every row's event, top row first, to `path`; true when the file was written.
    bool saveRows(const QString &path);
    // The same for an export: an events file, or iCalendar when the name ends in ".ics".
    bool exportRows(const QString &path, ExportReport *report, QString *error);
    // Reads the events file into the rows.
    void loadRows();
    // Adds the events at the top in one step, the last one first, as addEventRow one by one would.
    void addEventRows(const EventStore &events);

    // The preferences as the settings page last stored them.
    const Preferences &currentPreferences() const { return preferences; }

public Q_SLOTS:
    // Rewrites the date columns when the day has changed since they were last written.
    void refreshDates();

protected:
    void closeEvent(QCloseEvent *event) override;
    void changeEvent(QEvent *event) override;
    void showEvent(QShowEvent *event) override;
    // Enter and Escape on the editor and details pages act as their buttons.
    void keyPressEvent(QKeyEvent *event) override;
    // Delete and Enter in the list act as the Remove and View buttons.
    bool eventFilter(QObject *watched, QEvent *event) override;

private Q_SLOTS:
    void on_importFacebookEventButton_clicked();
    void on_logoutButton_clicked();
    void on_importFacebookButton_clicked();
    void on_viewOKButton_clicked();
    void on_settingOKButton_clicked();
    void on_settingsCancelButton_clicked();
    void on_settingsButton_clicked();
    void on_viewButton_clicked();
    void on_exportButton_clicked();
    void on_importButton_clicked();
    void on_notifyCheckBox_stateChanged(int state);
    void on_repeatingRadioButton_toggled(bool checked);
    void on_singularRadioButton_toggled(bool checked);
    void on_eventCounted_stateChanged(int state);
    void on_saveButton_clicked();
    void on_cancelButton_clicked();
    void on_removeButton_clicked();
    void on_editButton_clicked();
    void on_addButton_clicked();
    void facebookInfoReady();
    void facebookError();
    void facebookReady();
    void facebookClose();
    void on_updatePushButton_clicked();
    void on_syncNowButton_clicked();

private:
    // The fixed-width buttons widened where a translation of their title needs it.
    void keepButtonTitlesWhole();
    // The words after the days-before boxes, in the plural form their numbers want.
    void sayDaysBefore();
    // The event of the list's current row, if there is one.
    Event *currentEvent() const;
    void resortList();
    void scheduleDateRefresh();
    // True when the file was written.
    bool saveEventsFile();
    // Saves when the window closes; a failed save is put to the user, who may try again, save the
    // list elsewhere, or close without saving. False when the window is to stay open.
    bool saveBeforeClosing();
    // Asks for a file and saves the rows there; true when they were saved.
    bool saveElsewhere();
    // What happened to the events file, said once after the window is first shown.
    void tellAboutTheFile();
    // Shrinks and moves the window into the available area of its screen, as far as its minimum size allows.
    void fitIntoScreen();
    // Keeps the "Days Remaining" column at least as wide as its header text needs.
    void keepDaysHeaderWhole();

    // Editor
    void buildCheckLists();
    void resetEditor();
    void fillEditor(Event &event);
    Event *eventFromEditor() const;

    // Details page
    void fillDetails(Event &event);

    // Import and export
    void startFacebookImport(int mode);
    void openFacebookDialog();
    void addUnlessNameTaken(Event *event);
    void importBirthday(const QString &name, const QString &dateText);
    void importSocialEvent(const QString &name, const QString &dateText);

    // Settings page
    void fillSettings();
    void storeSettings();

    // Sync, on the settings page and when the window closes. The group follows the page: its fields
    // are stored by OK only, and "Sync now" syncs with what they hold.
    void fillSyncSettings();
    void storeSyncSettings();
    SyncSettings syncSettingsFromFields();
    // The calendars `found` for `account`, with the account's own chosen.
    void offerCalendars(const SyncSettings &account, const QList<CalendarChoice> &found);
    // Saves the rows, syncs the file until done or cancelled, with progress in a dialog, and takes the rows
    // back from the file when the sync changed them.
    SyncOutcome syncRows(SyncSettings &settings, const QString &password, const SyncOptions &options = {});
    void reloadRows();

    Ui::MainWindow *ui;
    EventListModel *model;
    QHash<QString, int> nameCount;
    Preferences preferences;

    // The editor's check lists: weekdays, two copies of "Day" plus weekdays, and "Year" plus months.
    QStandardItemModel *weekdayRows = nullptr;
    QStandardItemModel *monthlyDayRows = nullptr;
    QStandardItemModel *yearlyDayRows = nullptr;
    QStandardItemModel *monthRows = nullptr;

    QDate datesWrittenFor;
    QTimer *dateRefreshTimer;
    // The events file the rows come from and go back to.
    EventsFile eventsFile;
    bool toldAboutTheFile = false;

    // The one login dialog of the social-network import, and which import runs: 0 none,
    // 1 friends' birthdays, 2 the user's events.
    SocialSession *facebookDialog = nullptr;
    int importMode = 0;
    // The account (user and address) whose calendars the calendar box offers.
    QString calendarsOf;
    // A close asked for while "Sync now" runs (the desktop ending, for one) ends the sync first and
    // then closes the window the normal way.
    bool syncing = false;
    bool closeAfterSync = false;
};
