// SPDX-License-Identifier: GPL-3.0-or-later
// The multistatus reader on any body: every path it gives is on the server asked and free of dot
// segments, and a path taken as a member of the calendar is sent to an address inside it.
#include "sync/caldavxml.h"

#include <algorithm>
#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    static const QUrl base(QStringLiteral("https://cal.example/dav/ada/cal/"));
    static const QString collection = CalDavXml::canonicalPath(base.path(), base);
    const QByteArray body(reinterpret_cast<const char *>(data), int(size));
    QList<CalDavXml::Response> responses;
    CalDavXml::parseMultistatus(body, base, &responses);
    for (const CalDavXml::Response &response : responses) {
        QStringList paths{response.href};
        for (const CalDavXml::Property &property : response.properties)
            paths += property.hrefs;
        for (const QString &path : paths) {
            const QStringList segments = path.split('/');
            const bool dots = segments.contains(QStringLiteral(".")) || segments.contains(QStringLiteral(".."));
            if (dots || (!path.isEmpty() && !path.startsWith('/')))
                std::abort();
            const QUrl sent = CalDavXml::urlFor(base, path);
            if (CalDavXml::isMember(path, collection) &&
                !CalDavXml::isMember(CalDavXml::canonicalPath(sent.path(QUrl::FullyEncoded), base), collection))
                std::abort();
        }
    }
    // An ETag that may go back in If-Match never ends the header line.
    const QByteArray etag = CalDavXml::usableEtag(body);
    if (etag.size() > CalDavXml::MostEtagBytes ||
        std::any_of(etag.cbegin(), etag.cend(), [](char c) { return uchar(c) < 0x20 || c == 0x7f; }))
        std::abort();
    return 0;
}
