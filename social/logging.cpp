// SPDX-License-Identifier: GPL-3.0-or-later
#include "social/logging.h"

#include <QRegularExpression>

// Info and up by default: a background run writes to the journal only what is worth reading there.
Q_LOGGING_CATEGORY(lcSocial, "oriventa.social", QtInfoMsg)

QString withoutTokens(QString text)
{
    // A token opens the user's account to whoever reads it; its name stays, to show where one went.
    static const QRegularExpression token(QStringLiteral("(access_token[\"']?\\s*(?:=|:|%3D)\\s*[\"']?)[^&#\"'\\s]+"),
                                          QRegularExpression::CaseInsensitiveOption);
    return text.replace(token, QStringLiteral("\\1<redacted>"));
}
