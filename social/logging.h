// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QLoggingCategory>
#include <QString>

// The social-network import's log: its requests and replies, with tokens left out.
// Info and warnings show by default; debug lines only when asked for
// (QT_LOGGING_RULES="oriventa.social.debug=true").
Q_DECLARE_LOGGING_CATEGORY(lcSocial)

// `text` with the value of every access token replaced by "<redacted>": in a query or a page address
// ("access_token=…") and in a JSON reply ("access_token": "…").
QString withoutTokens(QString text);
