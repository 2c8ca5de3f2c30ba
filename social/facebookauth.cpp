// SPDX-License-Identifier: GPL-3.0-or-later
#include "social/facebookauth.h"

#include "social/httpclient.h"
#include "social/socialconfig.h"

FacebookAuth *FacebookAuth::instance()
{
    static FacebookAuth *auth = new FacebookAuth;
    return auth;
}

bool FacebookAuth::setAccessToken(const QString &token)
{
    accessToken = token;
    return true;
}

bool FacebookAuth::graphRequest(int method, const QMap<QString, QString> &args, QString &response, const QString &url)
{
    if (method == 1)
        return HttpClient::instance()->PostRequest(response, args, url);
    return HttpClient::instance()->GetRequest(response, args, url);
}

QString facebookLoginAddress()
{
    const SocialConfig &config = socialConfig();
    return config.oauthDialogUrl + QStringLiteral("?client_id=") + config.applicationId +
           QStringLiteral("&redirect_uri=") + config.loginSuccessUrl + QStringLiteral("&") +
           QStringLiteral("type=user_agent&") + QStringLiteral("display=popup&") +
           QStringLiteral("scope=friends_birthday,user_events");
}

namespace {

QString graphGet(const QString &path, const QString &fields)
{
    QMap<QString, QString> args;
    args.insert(QStringLiteral("access_token"), FacebookAuth::instance()->accessToken);
    args.insert(QStringLiteral("fields"), fields);
    QString response;
    FacebookAuth::instance()->graphRequest(0, args, response, socialConfig().graphApiBase + QStringLiteral("/") + path);
    return response;
}

} // namespace

QString requestFriendsReply()
{
    return graphGet(QStringLiteral("/me/friends?"), QStringLiteral("name,birthday"));
}

QString requestEventsReply()
{
    return graphGet(QStringLiteral("/me/events?"), QStringLiteral("name,start_time,location"));
}
