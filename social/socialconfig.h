// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

// Where the social network lives. The built-in values name the real service; each can be replaced
// through the environment for a trial or a test (see the README), or by the tests directly.
struct SocialConfig
{
    QString oauthDialogUrl;  // the OAuth dialog, path "/dialog/oauth"
    QString loginSuccessUrl; // the standard login-success page the dialog redirects to
    QString graphApiBase;    // scheme and host of the Graph API, no trailing "/"
    QString applicationId;   // 15 decimal digits
};

// Read from the environment on first use, then kept for the process.
const SocialConfig &socialConfig();
void setSocialConfig(const SocialConfig &config);
