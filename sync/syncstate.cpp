// SPDX-License-Identifier: GPL-3.0-or-later
#include "sync/syncstate.h"

#include "model/eventstore.h"
#include "model/savefile.h"

#include <QBuffer>
#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QSet>

#include <json/json.h>

#include <memory>

namespace {

// Qt 5.15's reader keeps the last of two equal keys and leaks the value it drops. A state with a
// key twice is in doubt anyway: it is refused before Qt reads it.
bool hasNoKeyTwice(const QByteArray &bytes)
{
    Json::CharReaderBuilder builder;
    builder["rejectDupKeys"] = true;
    const std::unique_ptr<Json::CharReader> reader(builder.newCharReader());
    Json::Value root;
    std::string errors;
    return reader->parse(bytes.constData(), bytes.constData() + bytes.size(), &root, &errors);
}

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
    return file.open(QIODevice::ReadOnly) ? parseSyncState(file.readAll()) : SyncState();
}

SyncState parseSyncState(const QByteArray &bytes)
{
    // Any item in doubt spoils the whole state: an empty one only costs a comparison of contents,
    // while a wrong one makes events look deleted on one side.
    if (!hasNoKeyTwice(bytes))
        return {};
    const QJsonDocument document = QJsonDocument::fromJson(bytes);
    const QJsonObject root = document.object();
    const auto text = [](const QJsonObject &object, const char *key, QString *value) {
        const QJsonValue field = object.value(QLatin1String(key));
        *value = field.toString();
        return field.isString();
    };
    SyncState state;
    QString tag;
    const QJsonValue items = root.value(QLatin1String("items"));
    if (!document.isObject() || !items.isArray() || !text(root, "calendar", &state.calendar) ||
        !text(root, "collectionTag", &tag))
        return {};
    state.collectionTag = tag.toLatin1();
    QSet<QString> hrefs;
    for (const QJsonValue &value : items.toArray()) {
        const QJsonObject object = value.toObject();
        QString uid, etag;
        SyncedItem item;
        if (!value.isObject() || !text(object, "uid", &uid) || !text(object, "href", &item.href) ||
            !text(object, "etag", &etag) || uid.isEmpty() || item.href.isEmpty() || state.items.contains(uid) ||
            hrefs.contains(item.href) || !readEventText(object.value(QLatin1String("event")), &item.event))
            return {};
        item.etag = etag.toLatin1();
        hrefs.insert(item.href);
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
