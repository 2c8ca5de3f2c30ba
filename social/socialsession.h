// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QStringList>

#include <functional>

// The main window's handle on the login dialog. The dialog and everything it needs (the web view
// above all) live in a module that is loaded on the first social-network import, so that a start
// that never imports does not pay for loading them. Only this header is shared with the module.
class SocialSession
{
public:
    struct Callbacks
    {
        std::function<void()> loginDone;
        std::function<void()> requestFailed;
        std::function<void()> infoReady;
        std::function<void()> rejected;
    };

    virtual void login() = 0;
    virtual void loadFriends() = 0;
    virtual void loadUserEvents() = 0;
    virtual QStringList names() const = 0;
    virtual QStringList dates() const = 0;

    // Brings the login window to the front while it is open.
    virtual void raiseLoginWindow() = 0;

    // Stops the callbacks, closes the dialog, ends the request it waits for, and frees it and the
    // session once no call of the session is on the stack any more and the signal that is running
    // now has returned.
    virtual void release() = 0;
    // The same, at once unless a call of the session is still on the stack.
    virtual void destroy() = 0;

protected:
    virtual ~SocialSession() = default;
};

using SocialSessionFactory = SocialSession *(*)(const SocialSession::Callbacks &callbacks);

// The module's entry point, exported with C linkage under this name.
#define ORIVENTA_SOCIAL_FACTORY "oriventaCreateSocialSession"

// The factory itself, for those who link the social library directly.
SocialSession *createSocialSession(const SocialSession::Callbacks &callbacks);
