#pragma once

#include "app/preferences.h"
#include "mainwindow/eventlistmodel.h"
#include "model/eventstore.h"

#include <QDate>
#include <QHash>
#include <QMainWindow>

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
    explicit MainWindow(QWidget *parent = nullptr);
    ~MainWindow() override;

    // Row operations; they keep nameCount exact.
    void addEventRow(Event *event);
    void replaceEventRow(int row, Event *event);
    void removeEventRow(int row);
    Event *eventAtRow(int row) const;
    bool isNameTaken(const QString &name) const;
    int nameCountOf(const QString &name) const { return nameCount.value(name); }

    // Writes every row's event, top row first, to `path`; true when the file was written.
    bool saveRows(const QString &path);
    void loadRows(const QString &path);

    // The preferences as the settings page last stored them.
    const Preferences &currentPreferences() const { return preferences; }

public Q_SLOTS:
    // Rewrites the date columns when the day has changed since they were last written.
    void refreshDates();

protected:
    void closeEvent(QCloseEvent *event) override;
    void changeEvent(QEvent *event) override;

private Q_SLOTS:
    void on_viewOKButton_clicked();
    void on_settingOKButton_clicked();
    void on_settingsCancelButton_clicked();
    void on_settingsButton_clicked();
    void on_viewButton_clicked();
    void on_notifyCheckBox_stateChanged(int state);
    void on_repeatingRadioButton_toggled(bool checked);
    void on_singularRadioButton_toggled(bool checked);
    void on_eventCounted_stateChanged(int state);
    void on_saveButton_clicked();
    void on_cancelButton_clicked();
    void on_removeButton_clicked();
    void on_editButton_clicked();
    void on_addButton_clicked();
    void on_updatePushButton_clicked();

private:
    // The event of the list's current row, if there is one.
    Event *currentEvent() const;
    void resortList();
    void scheduleDateRefresh();
    void saveEventsFile();

    // Editor
    void buildCheckLists();
    void resetEditor();
    void fillEditor(Event &event);
    Event *eventFromEditor() const;

    // Details page
    void fillDetails(Event &event);

    // Settings page
    void fillSettings();
    void storeSettings();

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
    // Set when the events file was damaged at load: it is kept aside before it is overwritten.
    bool eventsFileDamaged = false;
};
