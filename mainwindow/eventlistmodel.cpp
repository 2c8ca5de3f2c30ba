#include "mainwindow/eventlistmodel.h"

#include <QSignalBlocker>

namespace {

QVariant daysValue(const Event &event, QDate today)
{
    const int days = daysRemaining(event, today);
    return days < 0 ? QVariant(QStringLiteral("N/A")) : QVariant(days);
}

QStandardItem *itemWith(const QVariant &value)
{
    auto *item = new QStandardItem;
    item->setData(value, Qt::EditRole);
    return item;
}

} // namespace

EventListModel::EventListModel(QObject *parent) : QStandardItemModel(0, 4, parent) {}

EventListModel::~EventListModel() = default;

Event *EventListModel::eventAt(int row) const
{
    const QVariant value = data(index(row, DataColumn), Qt::DisplayRole);
    return value.userType() == qMetaTypeId<Event *>() ? value.value<Event *>() : nullptr;
}

void EventListModel::writeDates(int row, QDate today)
{
    const Event *event = eventAt(row);
    if (!event)
        return;
    setData(index(row, DateColumn), event->nextOccurrence(today), Qt::EditRole);
    setData(index(row, DaysColumn), daysValue(*event, today), Qt::EditRole);
}

void EventListModel::writeEvent(int row, const Event &event, QDate today)
{
    setData(index(row, NameColumn), event.name, Qt::EditRole);
    setData(index(row, DateColumn), event.nextOccurrence(today), Qt::EditRole);
    setData(index(row, DaysColumn), daysValue(event, today), Qt::EditRole);
}

void EventListModel::insertAtTop(const EventStore &events, QDate today)
{
    if (events.isEmpty())
        return;
    const int count = events.size();
    beginResetModel();
    {
        // Views learn of the new rows once, through the reset, instead of row by row.
        const QSignalBlocker blocker(this);
        insertRows(0, count);
        for (int i = 0; i < count; ++i) {
            const Event *event = events.at(i);
            const int row = count - 1 - i;
            setItem(row, NameColumn, itemWith(event->name));
            setItem(row, DateColumn, itemWith(event->nextOccurrence(today)));
            setItem(row, DaysColumn, itemWith(daysValue(*event, today)));
            setItem(row, DataColumn, itemWith(QVariant::fromValue(events.at(i))));
        }
    }
    endResetModel();
}

void EventListModel::refreshDates(QDate today)
{
    const int rows = rowCount();
    if (rows == 0)
        return;
    {
        const QSignalBlocker blocker(this);
        for (int row = 0; row < rows; ++row)
            writeDates(row, today);
    }
    Q_EMIT dataChanged(index(0, DateColumn), index(rows - 1, DaysColumn));
}
