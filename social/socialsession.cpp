#include "social/socialsession.h"

#include "social/facebookdialog.h"

namespace {

// Owns its dialog and lives exactly as long as it.
class FacebookSession final : public SocialSession
{
public:
    explicit FacebookSession(const Callbacks &c) : callbacks(c), dialog(new FacebookDialog)
    {
        const auto relay = [this](std::function<void()> Callbacks::*which) {
            return [this, which] {
                // Copied: the callback may release this session.
                const std::function<void()> call = callbacks.*which;
                if (call)
                    call();
            };
        };
        QObject::connect(dialog, &FacebookDialog::loginDone, dialog, relay(&Callbacks::loginDone));
        QObject::connect(dialog, &FacebookDialog::requestFailed, dialog, relay(&Callbacks::requestFailed));
        QObject::connect(dialog, &FacebookDialog::infoReady, dialog, relay(&Callbacks::infoReady));
        QObject::connect(dialog, &QDialog::rejected, dialog, relay(&Callbacks::rejected));
        QObject::connect(dialog, &QObject::destroyed, [this] { delete this; });
    }

    void login() override { dialog->login(); }
    void loadFriends() override { dialog->loadFriends(); }
    void loadUserEvents() override { dialog->loadUserEvents(); }
    QStringList names() const override { return dialog->names(); }
    QStringList dates() const override { return dialog->dates(); }

    void release() override
    {
        callbacks = {};
        dialog->close();
        dialog->deleteLater();
    }
    void destroy() override
    {
        callbacks = {};
        dialog->close();
        delete dialog;
    }

private:
    Callbacks callbacks;
    FacebookDialog *dialog;
};

} // namespace

SocialSession *createSocialSession(const SocialSession::Callbacks &callbacks)
{
    return new FacebookSession(callbacks);
}
