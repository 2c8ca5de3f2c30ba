// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QByteArray>
#include <QHash>
#include <QList>
#include <QString>
#include <QStringList>

#include <functional>

// One resource of a calendar collection on a server.
struct RemoteItem
{
    QString href; // the path on the server, as the server names it
    QByteArray etag;
    QByteArray data; // the iCalendar text
};

enum class WriteResult
{
    Done,
    PreconditionFailed, // the resource changed on the server meanwhile (412): nothing was written
    Failed,             // see error()
};

// One write of a batch: a put, or with `remove` a delete, each as put() and remove() say.
struct Write
{
    QString href;
    QByteArray data;
    QByteArray ifMatch;
    bool remove = false;
};

struct Written
{
    WriteResult result = WriteResult::Failed;
    QByteArray etag; // of what was put, when the server says
};

// The calendar collection a sync works on. Every call waits at most until the sync's deadline;
// a failed call says why in error().
class RemoteCalendar
{
public:
    virtual ~RemoteCalendar() = default;

    virtual QString error() const = 0;

    // The collection's ctag or sync-token: unchanged means no resource changed. Empty when the
    // server gives neither.
    virtual bool collectionTag(QByteArray *tag) = 0;
    // Every resource of the collection: href → etag. Only resources directly inside the collection
    // count; an etag that may not go back in If-Match (weak, malformed) is empty.
    virtual bool listEtags(QHash<QString, QByteArray> *etags) = 0;
    // The resources named, with their etags and texts; those not in the collection are left out.
    virtual bool fetch(const QStringList &hrefs, QList<RemoteItem> *items) = 0;
    // Writes a resource: over the version `ifMatch` names, or, with an empty (or unusable)
    // `ifMatch`, only where none exists yet. `newEtag` receives the etag of what was written (empty
    // when the server does not say).
    virtual WriteResult put(const QString &href, const QByteArray &data, const QByteArray &ifMatch,
                            QByteArray *newEtag) = 0;
    // Deletes a resource, only while it is still the version `ifMatch` names; Failed, with nothing
    // sent, when `ifMatch` is empty or unusable or `href` is not in the collection.
    virtual WriteResult remove(const QString &href, const QByteArray &ifMatch) = 0;
    // Independent writes, sent in the order given and as many at a time as the calendar allows.
    // `next` is told of each result as it comes; returning false sends no more. The results of
    // those sent, in the order given: the ones not sent are the last, left out.
    virtual QList<Written> write(const QList<Write> &writes, const std::function<bool(const Written &)> &next)
    {
        QList<Written> results;
        for (const Write &w : writes) {
            Written done;
            done.result = w.remove ? remove(w.href, w.ifMatch) : put(w.href, w.data, w.ifMatch, &done.etag);
            results << done;
            if (next && !next(done))
                break;
        }
        return results;
    }
    // Where a new resource of this UID goes: the collection's path + "<uid>.ics".
    virtual QString hrefFor(const QString &uid) const = 0;
};
