// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QMap>
#include <QString>

// The login state of the social-network import: the access token, held in memory only.
class FacebookAuth final
{
public:
    static FacebookAuth *instance();

    bool setAccessToken(const QString &token);
    QString accessToken;

    // method 1 is a POST, anything else a GET.
    bool graphRequest(int method, const QMap<QString, QString> &args, QString &response, const QString &url);

    FacebookAuth(const FacebookAuth &) = delete;
    FacebookAuth &operator=(const FacebookAuth &) = delete;

private:
    FacebookAuth() = default;
};

// The OAuth user-agent login address: client_id, redirect_uri, type, display and scope.
QString facebookLoginAddress();

// The two Graph requests; each returns the reply text.
QString requestFriendsReply();
QString requestEventsReply();
