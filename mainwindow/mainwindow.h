#pragma once

#include "mainwindow/eventlistmodel.h"
#include "model/eventstore.h"

#include <QDate>
#include <QHash>
#include <QMainWindow>

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

public Q_SLOTS:
    // Rewrites the date columns when the day has changed since they were last written.
    void refreshDates();

protected:
    void closeEvent(QCloseEvent *event) override;
    void changeEvent(QEvent *event) override;

private Q_SLOTS:
    void on_viewOKButton_clicked();
    void on_settingsCancelButton_clicked();
    void on_cancelButton_clicked();

private:
    void resortList();
    void scheduleDateRefresh();
    void saveEventsFile();

    Ui::MainWindow *ui;
    EventListModel *model;
    QHash<QString, int> nameCount;

    QDate datesWrittenFor;
    QTimer *dateRefreshTimer;
    // Set when the events file was damaged at load: it is kept aside before it is overwritten.
    bool eventsFileDamaged = false;
};
