// SPDX-License-Identifier: GPL-3.0-or-later
#include "interop/icalcheck.h"

#include <QCoreApplication>
#include <QHash>

#include <libical/ical.h>

#include <memory>

QByteArray foldLongLines(const QByteArray &data)
{
    constexpr int longest = 1024;
    QByteArray out;
    int lineStart = 0;
    int copied = 0;
    for (int i = 0; i < data.size(); ++i) {
        if (data[i] == '\n') {
            lineStart = i + 1;
        } else if (i - lineStart >= longest) {
            if (out.isEmpty())
                out.reserve(data.size() + data.size() / longest * 3);
            out += data.mid(copied, i - copied);
            out += "\r\n ";
            copied = i;
            lineStart = i;
        }
    }
    if (out.isEmpty())
        return data;
    out += data.mid(copied);
    return out;
}

namespace {

// What the lines of the text announce: entries, and the repeat rules and exceptions inside them
// (a time zone's own rules do not count). Only the start of each line is looked at.
struct Announced
{
    int entries = 0;
    int rules = 0;
    int exceptions = 0;
};

Announced announced(const QByteArray &data)
{
    const auto startsWith = [&data](int start, int end, const char *name, bool whole) {
        const int length = int(qstrlen(name));
        if (end - start < length || qstrnicmp(data.constData() + start, name, uint(length)) != 0)
            return false;
        return whole ? end - start == length
                     : end - start > length && (data[start + length] == ':' || data[start + length] == ';');
    };
    Announced counts;
    bool inEntry = false;
    int start = 0;
    while (start < data.size()) {
        int end = data.indexOf('\n', start);
        if (end < 0)
            end = data.size();
        int last = end;
        while (last > start && (data[last - 1] == '\r' || data[last - 1] == ' ' || data[last - 1] == '\t'))
            --last;
        if (startsWith(start, last, "BEGIN:VEVENT", true) || startsWith(start, last, "BEGIN:VTODO", true) ||
            startsWith(start, last, "BEGIN:VJOURNAL", true)) {
            ++counts.entries;
            inEntry = true;
        } else if (startsWith(start, last, "END:VEVENT", true) || startsWith(start, last, "END:VTODO", true) ||
                   startsWith(start, last, "END:VJOURNAL", true)) {
            inEntry = false;
        } else if (inEntry && startsWith(start, last, "RRULE", false)) {
            ++counts.rules;
        } else if (inEntry && (startsWith(start, last, "EXDATE", false) || startsWith(start, last, "RDATE", false) ||
                               startsWith(start, last, "EXRULE", false))) {
            ++counts.exceptions;
        }
        start = end + 1;
    }
    return counts;
}

bool isEntry(icalcomponent_kind kind)
{
    return kind == ICAL_VEVENT_COMPONENT || kind == ICAL_VTODO_COMPONENT || kind == ICAL_VJOURNAL_COMPONENT;
}

QString text(const char *value)
{
    return value ? QString::fromUtf8(value) : QString();
}

} // namespace

bool mayHaveLostEntries(const QByteArray &data, int entriesRead, int rulesRead)
{
    const Announced counts = announced(data);
    // KCalendarCore does not say which exceptions it could read; they are rare.
    return counts.entries != entriesRead || counts.rules != rulesRead || counts.exceptions > 0;
}

QString entryName(const QString &summary)
{
    //: The name given to a calendar entry that has no title.
    return summary.isEmpty() ? QCoreApplication::translate("Import", "(untitled)") : summary;
}

LostInReading findLostEntries(const QByteArray &data)
{
    LostInReading lost;
    const QByteArray terminated = data + '\0';
    const std::unique_ptr<icalcomponent, decltype(&icalcomponent_free)> root(
        icalparser_parse_string(terminated.constData()), &icalcomponent_free);
    if (!root)
        return lost;
    QList<icalcomponent *> entries;
    if (isEntry(icalcomponent_isa(root.get())))
        entries << root.get();
    for (icalcomponent *c = icalcomponent_get_first_component(root.get(), ICAL_ANY_COMPONENT); c;
         c = icalcomponent_get_next_component(root.get(), ICAL_ANY_COMPONENT))
        if (isEntry(icalcomponent_isa(c)))
            entries << c;

    QSet<QString> seen;
    for (icalcomponent *entry : qAsConst(entries)) {
        const QString uid = text(icalcomponent_get_uid(entry));
        const QString summary = text(icalcomponent_get_summary(entry)).trimmed();
        // Changed occurrences share their event's UID; only a second whole entry is lost.
        const bool occurrence = icalcomponent_get_first_property(entry, ICAL_RECURRENCEID_PROPERTY) != nullptr;
        if (!occurrence && !uid.isEmpty() && seen.contains(uid)) {
            //: Why a calendar entry was left out, after its name and ": ".
            lost.dropped.append(
                {entryName(summary), QCoreApplication::translate("Import", "has the same UID as an earlier entry")});
            continue;
        }
        seen.insert(uid);
        for (icalproperty *error = icalcomponent_get_first_property(entry, ICAL_XLICERROR_PROPERTY); error;
             error = icalcomponent_get_next_property(entry, ICAL_XLICERROR_PROPERTY)) {
            const QString message = text(icalproperty_get_xlicerror(error));
            for (const char *part : {"RRULE", "EXRULE", "EXDATE", "RDATE"})
                if (message.contains(QLatin1String(part)))
                    lost.brokenUids.insert(uid);
        }
    }
    return lost;
}
