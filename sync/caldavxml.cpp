// SPDX-License-Identifier: GPL-3.0-or-later
#include "sync/caldavxml.h"

#include <QXmlStreamReader>
#include <QXmlStreamWriter>

#include <algorithm>

namespace CalDavXml {

const QString DavNs = QStringLiteral("DAV:");
const QString CalDavNs = QStringLiteral("urn:ietf:params:xml:ns:caldav");
const QString CalendarServerNs = QStringLiteral("http://calendarserver.org/ns/");

namespace {

QString qualified(const QXmlStreamReader &xml)
{
    return xml.namespaceUri().toString() + ' ' + xml.name().toString();
}

bool isDav(const QXmlStreamReader &xml, const char *name)
{
    return xml.namespaceUri() == DavNs && xml.name() == QLatin1String(name);
}

// Reads one property element up to its end, collecting what a client looks at in it.
Property readProperty(QXmlStreamReader &xml, const QUrl &base)
{
    Property property;
    int depth = 0;
    while (!xml.atEnd()) {
        const QXmlStreamReader::TokenType token = xml.readNext();
        if (token == QXmlStreamReader::StartElement) {
            if (depth++ == 0)
                property.children << qualified(xml);
            if (isDav(xml, "href")) {
                property.hrefs << canonicalPath(xml.readElementText(), base);
                --depth;
            } else if (xml.namespaceUri() == CalDavNs && xml.name() == QLatin1String("comp")) {
                property.componentSet << xml.attributes().value(QLatin1String("name")).toString().toUpper();
            }
        } else if (token == QXmlStreamReader::EndElement) {
            if (depth-- == 0)
                break;
        } else if (token == QXmlStreamReader::Characters) {
            property.text += xml.text();
        }
    }
    return property;
}

// "HTTP/1.1 200 OK" → 200.
int statusOf(const QString &line)
{
    return line.section(' ', 1, 1, QString::SectionSkipEmpty).toInt();
}

void readPropstat(QXmlStreamReader &xml, const QUrl &base, Response *response)
{
    QHash<QString, Property> found;
    int status = 0;
    while (xml.readNextStartElement()) {
        if (isDav(xml, "prop")) {
            while (xml.readNextStartElement()) {
                const QString name = qualified(xml);
                found.insert(name, readProperty(xml, base));
            }
        } else if (isDav(xml, "status")) {
            status = statusOf(xml.readElementText());
        } else {
            xml.skipCurrentElement();
        }
    }
    // Properties the server does not have come back under 404: they count as absent.
    if (status >= 200 && status < 300)
        response->properties.insert(found);
}

} // namespace

bool parseMultistatus(const QByteArray &body, const QUrl &base, QList<Response> *responses)
{
    QXmlStreamReader xml(body);
    if (!xml.readNextStartElement() || !isDav(xml, "multistatus"))
        return false;
    while (xml.readNextStartElement()) {
        if (!isDav(xml, "response")) {
            xml.skipCurrentElement();
            continue;
        }
        Response response;
        while (xml.readNextStartElement()) {
            if (isDav(xml, "href"))
                response.href = canonicalPath(xml.readElementText(), base);
            else if (isDav(xml, "propstat"))
                readPropstat(xml, base, &response);
            else if (isDav(xml, "status"))
                response.status = statusOf(xml.readElementText());
            else
                xml.skipCurrentElement();
        }
        if (!response.href.isEmpty())
            responses->append(response);
    }
    return !xml.hasError();
}

namespace {

// RFC 3986's remove_dot_segments, on a path whose escapes are decoded, so that "%2e%2e" counts too.
QString withoutDotSegments(const QString &path)
{
    const QStringList segments = path.split('/');
    QStringList kept;
    for (int i = 0; i < segments.size(); ++i) {
        const QString &segment = segments[i];
        if (segment != QLatin1String(".") && segment != QLatin1String("..")) {
            kept << segment;
            continue;
        }
        // The first kept segment is the empty one before the root "/", which ".." never climbs over.
        if (segment == QLatin1String("..") && kept.size() > 1)
            kept.removeLast();
        if (i == segments.size() - 1)
            kept << QString();
    }
    return kept.join('/');
}

} // namespace

QString canonicalPath(const QString &href, const QUrl &base)
{
    const QUrl url = base.resolved(QUrl(href.trimmed()));
    if (!sameServer(url, base))
        return {};
    const QByteArray encoded = url.path(QUrl::FullyEncoded).toLatin1();
    QByteArray path;
    path.reserve(encoded.size());
    for (int i = 0; i < encoded.size(); ++i) {
        const QByteArray escape = encoded.mid(i + 1, 2).toUpper();
        bool hex = false;
        const int value = escape.size() == 2 ? escape.toInt(&hex, 16) : 0;
        if (encoded[i] != '%' || !hex) {
            path += encoded[i];
        } else if (value == '/' || value == '%') {
            path += '%' + escape;
            i += 2;
        } else {
            path += char(value);
            i += 2;
        }
    }
    return withoutDotSegments(QString::fromUtf8(path));
}

bool isMember(const QString &path, const QString &collection)
{
    if (!collection.endsWith('/') || !path.startsWith(collection))
        return false;
    const QString name = path.mid(collection.size());
    return !name.isEmpty() && !name.contains('/') && name != QLatin1String(".") && name != QLatin1String("..");
}

bool sameServer(const QUrl &a, const QUrl &b)
{
    const auto port = [](const QUrl &url) { return url.port(url.scheme() == QLatin1String("https") ? 443 : 80); };
    return a.scheme() == b.scheme() && a.host() == b.host() && port(a) == port(b);
}

QByteArray usableEtag(const QByteArray &tag)
{
    const QByteArray trimmed = tag.trimmed();
    const bool control =
        std::any_of(trimmed.cbegin(), trimmed.cend(), [](char c) { return uchar(c) < 0x20 || c == 0x7f; });
    if (control || trimmed.size() > MostEtagBytes || trimmed.startsWith("W/"))
        return {};
    return trimmed;
}

QUrl urlFor(const QUrl &base, const QString &path)
{
    QUrl url = base.adjusted(QUrl::RemoveQuery | QUrl::RemoveFragment | QUrl::RemoveUserInfo);
    // Only the escapes of "/" and "%" are left in a canonical path; everything else is plain.
    QByteArray encoded;
    const QStringList segments = path.split('/');
    for (int i = 0; i < segments.size(); ++i) {
        const QByteArray segment = QByteArray::fromPercentEncoding(segments[i].toUtf8());
        encoded += (i ? "/" : "") + segment.toPercentEncoding("!$&'()*+,;=:@");
    }
    url.setPath(QString::fromLatin1(encoded), QUrl::StrictMode);
    return url;
}

namespace {

// A request body: the XML declaration, the prefixes of the three namespaces and the root element,
// with `fill` writing what goes inside.
template <typename Fill>
QByteArray document(const QString &ns, const QString &root, Fill fill)
{
    QByteArray body;
    QXmlStreamWriter xml(&body);
    xml.writeStartDocument();
    xml.writeNamespace(DavNs, QStringLiteral("D"));
    xml.writeNamespace(CalDavNs, QStringLiteral("C"));
    xml.writeNamespace(CalendarServerNs, QStringLiteral("CS"));
    xml.writeStartElement(ns, root);
    fill(xml);
    xml.writeEndDocument();
    return body;
}

} // namespace

QByteArray propfind(const QList<QPair<QString, QString>> &properties)
{
    return document(DavNs, QStringLiteral("propfind"), [&](QXmlStreamWriter &xml) {
        xml.writeStartElement(DavNs, QStringLiteral("prop"));
        for (const auto &property : properties)
            xml.writeEmptyElement(property.first, property.second);
    });
}

QByteArray mkcalendar(const QString &displayName)
{
    return document(CalDavNs, QStringLiteral("mkcalendar"), [&](QXmlStreamWriter &xml) {
        xml.writeStartElement(DavNs, QStringLiteral("set"));
        xml.writeStartElement(DavNs, QStringLiteral("prop"));
        xml.writeTextElement(DavNs, QStringLiteral("displayname"), displayName);
        xml.writeStartElement(CalDavNs, QStringLiteral("supported-calendar-component-set"));
        xml.writeEmptyElement(CalDavNs, QStringLiteral("comp"));
        xml.writeAttribute(QStringLiteral("name"), QStringLiteral("VEVENT"));
    });
}

QByteArray multiget(const QList<QUrl> &resources)
{
    return document(CalDavNs, QStringLiteral("calendar-multiget"), [&](QXmlStreamWriter &xml) {
        xml.writeStartElement(DavNs, QStringLiteral("prop"));
        xml.writeEmptyElement(DavNs, QStringLiteral("getetag"));
        xml.writeEmptyElement(CalDavNs, QStringLiteral("calendar-data"));
        xml.writeEndElement();
        for (const QUrl &resource : resources)
            xml.writeTextElement(DavNs, QStringLiteral("href"), resource.path(QUrl::FullyEncoded));
    });
}

} // namespace CalDavXml
