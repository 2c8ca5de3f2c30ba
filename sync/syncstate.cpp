// SPDX-License-Identifier: GPL-3.0-or-later
#include "sync/syncstate.h"

#include "model/eventstore.h"
#include "model/savefile.h"

#include <QBuffer>
#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

namespace {

// Each event as its record in the events file, so that it comes back exactly.
QString eventText(const Event &event)
{
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    Event copy = event;
    saveEvents(EventStore{&copy}, buffer);
    return QString::fromLatin1(bytes.toBase64());
}

bool readEventText(const QJsonValue &value, Event *event)
{
    QByteArray bytes = QByteArray::fromBase64(value.toString().toLatin1());
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::ReadOnly);
    LoadStatus status = LoadStatus::Missing;
    const EventStore loaded = loadEvents(buffer, &status);
    const bool whole = status == LoadStatus::Complete && loaded.size() == 1;
    if (whole)
        *event = *loaded.first();
    qDeleteAll(loaded);
    return whole;
}

// Tags and etags are bytes; Latin-1 carries every byte through JSON's text.
QString bytesText(const QByteArray &bytes)
{
    return QString::fromLatin1(bytes);
}

} // namespace

SyncState readSyncState(const QString &path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return {};
    const QJsonDocument document = QJsonDocument::fromJson(file.readAll());
    const QJsonObject root = document.object();
    SyncState state;
    state.calendar = root.value(QLatin1String("calendar")).toString();
    state.collectionTag = root.value(QLatin1String("collectionTag")).toString().toLatin1();
    const QJsonValue items = root.value(QLatin1String("items"));
    if (!document.isObject() || !items.isArray())
        return {};
    for (const QJsonValue &value : items.toArray()) {
        const QJsonObject object = value.toObject();
        const QString uid = object.value(QLatin1String("uid")).toString();
        SyncedItem item;
        item.href = object.value(QLatin1String("href")).toString();
        item.etag = object.value(QLatin1String("etag")).toString().toLatin1();
        // Any item in doubt spoils the whole file: an empty state only costs a comparison of contents.
        if (uid.isEmpty() || item.href.isEmpty() || state.items.contains(uid) ||
            !readEventText(object.value(QLatin1String("event")), &item.event))
            return {};
        state.items.insert(uid, item);
    }
    return state;
}

bool writeSyncState(const SyncState &state, const QString &path)
{
    QJsonArray items;
    // In UID order, so that the same state gives the same file.
    QStringList uids = state.items.keys();
    uids.sort();
    for (const QString &uid : qAsConst(uids)) {
        const SyncedItem &item = state.items[uid];
        items.append(QJsonObject{{QLatin1String("uid"), uid},
                                 {QLatin1String("href"), item.href},
                                 {QLatin1String("etag"), bytesText(item.etag)},
                                 {QLatin1String("event"), eventText(item.event)}});
    }
    const QJsonObject root{{QLatin1String("calendar"), state.calendar},
                           {QLatin1String("collectionTag"), bytesText(state.collectionTag)},
                           {QLatin1String("items"), items}};
    const QByteArray bytes = QJsonDocument(root).toJson(QJsonDocument::Compact);
    return saveFileAtomically(
        path, [&bytes](QIODevice &device) { return writeAll(device, bytes); }, NewFileAccess::Private);
}
