// SPDX-License-Identifier: GPL-3.0-or-later
#include "social/graphreply.h"

#include <QDateTime>
#include <QLocale>

#include <json/json.h>

#include <memory>
#include <stdexcept>

namespace {

// Parses `body`, allowing comments; the reader's own messages go to `errors` on failure. The reader
// throws when a document nests too deeply: that too is a body we cannot read.
bool parseJson(const QByteArray &body, Json::Value &root, QString &errors)
{
    Json::CharReaderBuilder builder;
    builder["allowComments"] = true;
    const std::unique_ptr<Json::CharReader> reader(builder.newCharReader());
    std::string messages;
    bool ok = false;
    try {
        ok = reader->parse(body.constData(), body.constData() + body.size(), &root, &messages);
    } catch (const std::exception &e) {
        messages = e.what();
        ok = false;
    }
    errors = QString::fromStdString(messages);
    return ok;
}

// The elements of "data"; anything else than an object holding an array reads as no elements.
Json::Value dataArray(const Json::Value &root)
{
    if (!root.isObject())
        return Json::Value(Json::arrayValue);
    const Json::Value &data = root["data"];
    return data.isArray() ? data : Json::Value(Json::arrayValue);
}

QString member(const Json::Value &entry, const char *name)
{
    if (!entry.isObject())
        return QString();
    const Json::Value &value = entry[name];
    if (!value.isString())
        return QString();
    const char *begin = nullptr;
    const char *end = nullptr;
    value.getString(&begin, &end);
    return QString::fromUtf8(begin, int(end - begin));
}

} // namespace

bool parseFriendsReply(const QByteArray &body, QStringList &names, QStringList &dates, QString &errors)
{
    Json::Value root;
    if (!parseJson(body, root, errors))
        return false;
    for (const Json::Value &entry : dataArray(root)) {
        names << member(entry, "name");
        dates << member(entry, "birthday");
    }
    return true;
}

bool parseEventsReply(const QByteArray &body, QStringList &names, QStringList &dates, QString &errors)
{
    Json::Value root;
    if (!parseJson(body, root, errors))
        return false;
    for (const Json::Value &entry : dataArray(root)) {
        const QString name = member(entry, "name");
        const QString location = member(entry, "location");
        const QString startTime = member(entry, "start_time").remove(QStringLiteral("+0000"));
        const QDateTime start = QDateTime::fromString(startTime, Qt::ISODate);
        const QString time = start.isValid() ? QLocale().toString(start.time(), QLocale::ShortFormat) : QString();
        names << name + QStringLiteral(" - ") + location + QStringLiteral(" - ") + time;
        dates << startTime;
    }
    return true;
}
