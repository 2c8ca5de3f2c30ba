// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QByteArray>
#include <QHash>
#include <QList>
#include <QString>
#include <QStringList>
#include <QUrl>

// The WebDAV and CalDAV XML a CalDAV client reads and writes, apart from the network.
namespace CalDavXml {

// Namespaces as they are compared: the URI, a space, the local name ("DAV: getetag").
extern const QString DavNs;
extern const QString CalDavNs;
extern const QString CalendarServerNs;

// One property of a response, as far as a client needs it.
struct Property
{
    QString text;             // all character data inside, as sent
    QStringList hrefs;        // the DAV:href elements inside, made canonical
    QStringList children;     // the child elements' qualified names ("urn:…:caldav calendar")
    QStringList componentSet; // the names of C:comp children (supported-calendar-component-set)

    QString value() const { return text.trimmed(); }
};

// One DAV:response of a multistatus: its href and the properties found (2xx propstats only).
struct Response
{
    QString href;   // canonical path
    int status = 0; // the response's own status line, when it has one instead of propstats
    QHash<QString, Property> properties;

    bool has(const QString &ns, const QString &name) const { return properties.contains(ns + ' ' + name); }
    Property property(const QString &ns, const QString &name) const { return properties.value(ns + ' ' + name); }
};

// Reads a 207 multistatus body; hrefs are resolved against `base`. False when it is not one.
bool parseMultistatus(const QByteArray &xml, const QUrl &base, QList<Response> *responses);

// A server path in one form for comparing: percent escapes decoded except those of "/" and "%",
// which name other characters than the path would, so "/a%40b" and "/a@b" are the same resource
// and "/a%2Fb" stays apart from "/a/b"; dot segments, also escaped ones, resolved. Empty for an
// address on another server than `base`: nothing there is the account's.
QString canonicalPath(const QString &href, const QUrl &base);
// Whether the canonical `path` names a resource directly inside the collection at the canonical
// `collection` (ending in "/"). Servers keep a calendar's items there; anything else the server
// names is not this calendar's to read, write or delete.
bool isMember(const QString &path, const QString &collection);
// Scheme, host and port the same: where the account's credentials may go.
bool sameServer(const QUrl &a, const QUrl &b);
// The address of a canonical path on the server of `base`.
QUrl urlFor(const QUrl &base, const QString &path);

// The longest ETag taken; servers send a few dozen bytes.
constexpr int MostEtagBytes = 1024;
// An ETag as it may go back to the server in If-Match; empty for one that must not: a weak one
// (never a match for a write), one with control characters (they would end the header line) or
// one over MostEtagBytes.
QByteArray usableEtag(const QByteArray &tag);

// Request bodies.
QByteArray propfind(const QList<QPair<QString, QString>> &properties);
QByteArray mkcalendar(const QString &displayName);
QByteArray multiget(const QList<QUrl> &resources);

} // namespace CalDavXml
