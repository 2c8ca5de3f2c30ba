// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "sync/remotecalendar.h"

#include <QMap>
#include <QSet>

#include <functional>

// A calendar collection in memory with a server's manners: etags and the collection tag change
// with every write, and a write over a version that is no longer there is refused (412).
class FakeCalendar final : public RemoteCalendar
{
public:
    struct Resource
    {
        QByteArray etag;
        QByteArray data;
    };

    QString error() const override;
    bool collectionTag(QByteArray *tag) override;
    bool listEtags(QHash<QString, QByteArray> *etags) override;
    bool fetch(const QStringList &hrefs, QList<RemoteItem> *items) override;
    WriteResult put(const QString &href, const QByteArray &data, const QByteArray &ifMatch,
                    QByteArray *newEtag) override;
    WriteResult remove(const QString &href, const QByteArray &ifMatch) override;
    QList<Written> write(const QList<Write> &writes, const std::function<bool(const Written &)> &next) override;
    QString hrefFor(const QString &uid) const override;

    // Another client's changes, straight into the collection.
    void store(const QString &href, const QByteArray &data);
    void erase(const QString &href);

    QMap<QString, Resource> resources;
    int requests = 0;
    // Requests after this many fail, as a server gone mid-way would; -1 never.
    int failAfter = -1;
    // Runs once just before the next put or remove (to `nextWriteAt`, when set) reaches the
    // collection: a concurrent change.
    std::function<void()> beforeNextWrite;
    QString nextWriteAt;
    // The sizes of the batches of writes asked for, one by one ones included.
    QList<int> batches;
    bool givesTag = true;
    // Listed and fetched without an ETag, as from a server that gives none or a weak one.
    QSet<QString> withoutEtag;
    // The hrefs of the puts and deletes that reached the collection, refused ones too.
    QStringList written;

private:
    bool answer();
    QByteArray nextEtag();

    int m_version = 0;
    QString m_error;
};
