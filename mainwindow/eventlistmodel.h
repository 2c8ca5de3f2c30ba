// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "model/eventstore.h"

#include <QStandardItemModel>

// The main window's list: four columns per event (next date, days remaining, name, the event).
// Each row owns the Event stored in its "Data" column.
class EventListModel final : public QStandardItemModel
{
    Q_OBJECT

public:
    enum Column
    {
        DateColumn = 0,
        DaysColumn = 1,
        NameColumn = 2,
        DataColumn = 3
    };

    explicit EventListModel(QObject *parent = nullptr);
    ~EventListModel() override;

    Event *eventAt(int row) const;

    // The date column holds dates, so that it sorts by date and views show them in the user's
    // format; screen readers, which take a cell's text as it is, are given that format as well.
    QVariant data(const QModelIndex &index, int role = Qt::DisplayRole) const override;

    // Writes the date columns of a row for the given day.
    void writeDates(int row, QDate today);
    // Writes the name and dates of a row.
    void writeEvent(int row, const Event &event, QDate today);

    // Puts the events at the top in the order that inserting them one by one at row 0 would
    // give (the last one first), in one step, so that large lists load in linear time.
    void insertAtTop(const EventStore &events, QDate today);

    // Rewrites both date columns of every row, announcing the change once.
    void refreshDates(QDate today);

    // Sorts as QStandardItemModel does (stable, by the sort role), but moves the values between
    // the cells instead of moving the items. Qt's own sort leaves each item's cached position
    // stale, which makes every later change, and the model's destruction, search the whole list.
    void sort(int column, Qt::SortOrder order = Qt::AscendingOrder) override;

private:
    Q_DISABLE_COPY_MOVE(EventListModel)
};
