// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>

// Readers of the Graph replies. Both lists get one entry per element of "data"; members that are
// missing or not strings, and elements that are not objects, read as empty strings. False, with
// the parser's messages in `errors`, when the body is not JSON.
bool parseFriendsReply(const QByteArray &body, QStringList &names, QStringList &dates, QString &errors);

// Names read "name - location - time of day"; dates are the start times without "+0000".
bool parseEventsReply(const QByteArray &body, QStringList &names, QStringList &dates, QString &errors);
