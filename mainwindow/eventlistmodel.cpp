// SPDX-License-Identifier: GPL-3.0-or-later
#include "mainwindow/eventlistmodel.h"

#include <QLocale>
#include <QSignalBlocker>

#include <algorithm>
#include <numeric>
#include <vector>

namespace {

QVariant daysValue(const Event &event, QDate today)
{
    const int days = daysRemaining(event, today);
    //: In the "Days Remaining" column: the event will not occur again.
    return days < 0 ? QVariant(EventListModel::tr("N/A")) : QVariant(days);
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

QVariant EventListModel::data(const QModelIndex &index, int role) const
{
    if (role == Qt::AccessibleTextRole && index.column() == DateColumn) {
        const QVariant value = QStandardItemModel::data(index, Qt::DisplayRole);
        if (value.userType() == QMetaType::QDate)
            return QLocale().toString(value.toDate(), QLocale::ShortFormat);
    }
    return QStandardItemModel::data(index, role);
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
            Event *event = events.at(i);
            const int row = count - 1 - i;
            setItem(row, NameColumn, itemWith(event->name));
            setItem(row, DateColumn, itemWith(event->nextOccurrence(today)));
            setItem(row, DaysColumn, itemWith(daysValue(*event, today)));
            setItem(row, DataColumn, itemWith(QVariant::fromValue(event)));
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

namespace {

// Which forms of the values a comparison can ask for: a pair is compared in the form of the left
// value's type, so only the types present in the column are needed.
struct SortForms
{
    bool number = false;
    bool date = false;
    bool text = false;

    explicit SortForms(const std::vector<QVariant> &values)
    {
        for (const QVariant &value : values) {
            switch (value.userType()) {
            case QMetaType::UnknownType:
                break;
            case QMetaType::Int:
                number = true;
                break;
            case QMetaType::QDate:
                date = true;
                break;
            default:
                text = true;
            }
        }
    }
};

// One value of the sort column, held in each form the comparison may ask of it.
class SortKey
{
public:
    SortKey() = default;
    SortKey(const QVariant &value, const SortForms &forms) : type(value.userType())
    {
        if (forms.number)
            number = value.toInt();
        if (forms.date)
            date = value.toDate();
        if (forms.text)
            text = value.toString();
    }

    bool lessThan(const SortKey &right) const
    {
        if (type == QMetaType::UnknownType)
            return false;
        if (right.type == QMetaType::UnknownType)
            return true;
        switch (type) {
        case QMetaType::Int:
            return number < right.number;
        case QMetaType::QDate:
            return date < right.date;
        default:
            return text.compare(right.text, Qt::CaseSensitive) < 0;
        }
    }

private:
    int type = QMetaType::UnknownType;
    int number = 0;
    QDate date;
    QString text;
};

} // namespace

void EventListModel::sort(int column, Qt::SortOrder order)
{
    const int rows = rowCount();
    const int columns = columnCount();
    if (column < 0 || column >= columns || rows == 0)
        return;

    // Rows without an item in the sort column keep their order after all the others.
    std::vector<int> sorted;
    std::vector<int> unsortable;
    sorted.reserve(size_t(rows));
    for (int row = 0; row < rows; ++row)
        (item(row, column) ? sorted : unsortable).push_back(row);

    // The keys are read once; comparing them is QStandardItem's comparison of the sort role
    // (by the left value's type, case-sensitive, not locale-aware) without a lookup per comparison.
    std::vector<QVariant> values(static_cast<size_t>(rows));
    for (int row : sorted)
        values[size_t(row)] = item(row, column)->data(sortRole());
    const SortForms forms(values);
    std::vector<SortKey> keys(static_cast<size_t>(rows));
    for (int row : sorted)
        keys[size_t(row)] = SortKey(values[size_t(row)], forms);
    values.clear();
    const auto less = [&keys](int a, int b) { return keys[size_t(a)].lessThan(keys[size_t(b)]); };
    if (order == Qt::AscendingOrder)
        std::stable_sort(sorted.begin(), sorted.end(), less);
    else
        std::stable_sort(sorted.begin(), sorted.end(), [&less](int a, int b) { return less(b, a); });
    sorted.insert(sorted.end(), unsortable.begin(), unsortable.end());

    std::vector<int> newRowOf(static_cast<size_t>(rows));
    for (int i = 0; i < rows; ++i)
        newRowOf[size_t(sorted[size_t(i)])] = i;

    Q_EMIT layoutAboutToBeChanged({}, QAbstractItemModel::VerticalSortHint);
    {
        const QSignalBlocker blocker(this);
        // Every cell holds one value; move the values column by column into their new rows.
        std::vector<QVariant> cells(static_cast<size_t>(rows));
        for (int c = 0; c < columns; ++c) {
            for (int row = 0; row < rows; ++row) {
                const QStandardItem *cell = item(row, c);
                cells[size_t(row)] = cell ? cell->data(Qt::EditRole) : QVariant();
            }
            for (int i = 0; i < rows; ++i) {
                if (QStandardItem *cell = item(i, c))
                    cell->setData(cells[size_t(sorted[size_t(i)])], Qt::EditRole);
            }
        }
    }
    const QModelIndexList from = persistentIndexList();
    QModelIndexList to;
    to.reserve(from.size());
    for (const QModelIndex &index : from)
        to.append(index.isValid() ? this->index(newRowOf[size_t(index.row())], index.column()) : index);
    changePersistentIndexList(from, to);
    Q_EMIT layoutChanged({}, QAbstractItemModel::VerticalSortHint);
}
