// SPDX-License-Identifier: GPL-3.0-or-later
#include "tests/support/fakecalendar.h"

#include <utility>

QString FakeCalendar::error() const
{
    return m_error;
}

bool FakeCalendar::answer()
{
    ++requests;
    if (failAfter >= 0 && requests > failAfter) {
        m_error = QStringLiteral("The server went away.");
        return false;
    }
    return true;
}

QByteArray FakeCalendar::nextEtag()
{
    return '"' + QByteArray::number(++m_version) + '"';
}

bool FakeCalendar::collectionTag(QByteArray *tag)
{
    if (!answer())
        return false;
    *tag = givesTag ? "ctag-" + QByteArray::number(m_version) : QByteArray();
    return true;
}

bool FakeCalendar::listEtags(QHash<QString, QByteArray> *etags)
{
    if (!answer())
        return false;
    etags->clear();
    for (auto it = resources.cbegin(); it != resources.cend(); ++it)
        etags->insert(it.key(), withoutEtag.contains(it.key()) ? QByteArray() : it->etag);
    return true;
}

bool FakeCalendar::fetch(const QStringList &hrefs, QList<RemoteItem> *items)
{
    if (!answer())
        return false;
    items->clear();
    for (const QString &href : hrefs)
        if (resources.contains(href))
            items->append(
                {href, withoutEtag.contains(href) ? QByteArray() : resources[href].etag, resources[href].data});
    return true;
}

WriteResult FakeCalendar::put(const QString &href, const QByteArray &data, const QByteArray &ifMatch,
                              QByteArray *newEtag)
{
    if (!answer())
        return WriteResult::Failed;
    written << href;
    if (beforeNextWrite && (nextWriteAt.isEmpty() || nextWriteAt == href))
        std::exchange(beforeNextWrite, nullptr)();
    const bool exists = resources.contains(href);
    if (ifMatch.isEmpty() ? exists : !exists || resources[href].etag != ifMatch)
        return WriteResult::PreconditionFailed;
    store(href, data);
    *newEtag = resources[href].etag;
    return WriteResult::Done;
}

WriteResult FakeCalendar::remove(const QString &href, const QByteArray &ifMatch)
{
    if (!answer())
        return WriteResult::Failed;
    written << href;
    if (beforeNextWrite && (nextWriteAt.isEmpty() || nextWriteAt == href))
        std::exchange(beforeNextWrite, nullptr)();
    if (!resources.contains(href) || resources[href].etag != ifMatch)
        return WriteResult::PreconditionFailed;
    erase(href);
    return WriteResult::Done;
}

QList<Written> FakeCalendar::write(const QList<Write> &writes, const std::function<bool(const Written &)> &next)
{
    batches << writes.size();
    return RemoteCalendar::write(writes, next);
}

QString FakeCalendar::hrefFor(const QString &uid) const
{
    return QStringLiteral("/calendars/user/oriventa/") + uid + QStringLiteral(".ics");
}

void FakeCalendar::store(const QString &href, const QByteArray &data)
{
    resources[href] = {nextEtag(), data};
}

void FakeCalendar::erase(const QString &href)
{
    resources.remove(href);
    ++m_version;
}
