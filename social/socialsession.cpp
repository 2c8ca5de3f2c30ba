// SPDX-License-Identifier: GPL-3.0-or-later
#include "social/socialsession.h"

#include "social/facebookdialog.h"

namespace {

// Owns its dialog and lives exactly as long as it. A call into the dialog can wait in a nested
// event loop (a Graph request, a message box of the main window), during which the user may log
// out or the program may be asked to end: the dialog is then let go, and freed only once every
// such call has returned.
class FacebookSession final : public SocialSession
{
public:
    explicit FacebookSession(const Callbacks &c) : callbacks(c), dialog(new FacebookDialog)
    {
        const auto relay = [this](std::function<void()> Callbacks::*which) {
            return [this, which] {
                const Call call(this);
                // Copied: the callback may release this session.
                const std::function<void()> callback = callbacks.*which;
                if (callback)
                    callback();
            };
        };
        QObject::connect(dialog, &FacebookDialog::loginDone, dialog, relay(&Callbacks::loginDone));
        QObject::connect(dialog, &FacebookDialog::requestFailed, dialog, relay(&Callbacks::requestFailed));
        QObject::connect(dialog, &FacebookDialog::infoReady, dialog, relay(&Callbacks::infoReady));
        QObject::connect(dialog, &QDialog::rejected, dialog, relay(&Callbacks::rejected));
        QObject::connect(dialog, &QObject::destroyed, [this] { delete this; });
    }

    void login() override
    {
        const Call call(this);
        dialog->login();
    }
    void loadFriends() override
    {
        const Call call(this);
        dialog->loadFriends();
    }
    void loadUserEvents() override
    {
        const Call call(this);
        dialog->loadUserEvents();
    }
    QStringList names() const override { return dialog->names(); }
    QStringList dates() const override { return dialog->dates(); }

    void raiseLoginWindow() override
    {
        if (!dialog->isVisible())
            return;
        dialog->raise();
        dialog->activateWindow();
    }

    void release() override
    {
        letGo();
        if (calls == 0)
            dialog->deleteLater();
    }
    void destroy() override
    {
        letGo();
        if (calls == 0)
            delete dialog;
    }

private:
    // Marks a call of the session on the stack; the last one to return frees a released dialog.
    class Call
    {
    public:
        explicit Call(FacebookSession *s) : session(s) { ++session->calls; }
        ~Call()
        {
            if (--session->calls == 0 && session->released)
                session->dialog->deleteLater();
        }
        Call(const Call &) = delete;
        Call &operator=(const Call &) = delete;

    private:
        FacebookSession *session;
    };

    void letGo()
    {
        callbacks = {};
        released = true;
        dialog->abandon();
    }

    Callbacks callbacks;
    FacebookDialog *dialog;
    int calls = 0;
    bool released = false;
};

} // namespace

SocialSession *createSocialSession(const SocialSession::Callbacks &callbacks)
{
    return new FacebookSession(callbacks);
}
