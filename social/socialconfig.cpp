// SPDX-License-Identifier: GPL-3.0-or-later
#include "social/socialconfig.h"

namespace {

QString fromEnvironment(const char *name, const QString &fallback)
{
    const QString value = qEnvironmentVariable(name);
    return value.isEmpty() ? fallback : value;
}

SocialConfig &config()
{
    static SocialConfig current{
        fromEnvironment("ORIVENTA_FACEBOOK_OAUTH_URL", QStringLiteral("https://www.facebook.com/dialog/oauth")),
        fromEnvironment("ORIVENTA_FACEBOOK_SUCCESS_URL",
                        QStringLiteral("http://www.facebook.com/connect/login_success.html")),
        fromEnvironment("ORIVENTA_FACEBOOK_GRAPH_URL", QStringLiteral("https://graph.facebook.com")),
        fromEnvironment("ORIVENTA_FACEBOOK_APP_ID", QStringLiteral("100000000000000")),
    };
    return current;
}

} // namespace

const SocialConfig &socialConfig()
{
    return config();
}

void setSocialConfig(const SocialConfig &replacement)
{
    config() = replacement;
}
