// SPDX-License-Identifier: GPL-3.0-or-later
// The program as it starts for real, with a user who plays one social-network import on its main
// window: an edit, a birthday import whose Graph request is left waiting, and then either a logout
// ("logout", once the test writes a line to the standard input; the window is closed once the login
// dialog is gone) or nothing ("wait", for a termination request from outside). The first argument
// names the play; the message boxes met are listed on the standard output at the end.
#include "launcher/launcher.h"
#include "mainwindow/mainwindow.h"
#include "mainwindow/socialloader.h"
#include "social/facebookdialog.h"
#include "social/httpclient.h"
#include "social/socialsession.h"
#include "tests/support/boxanswerer.h"
#include "tests/support/testhelpers.h"

#include <QApplication>
#include <QCommandLinkButton>
#include <QLineEdit>
#include <QPointer>
#include <QTimer>
#include <QtTest>

#include <cstdio>
#include <poll.h>
#include <unistd.h>

using TestHelpers::child;

namespace {

// Longer than the suite may run: only the logout or the termination request ends the waiting
// request, never its clock.
const int requestLimit = 10 * 60 * 1000;

void click(QWidget *window, const char *button)
{
    QTest::mouseClick(child<QCommandLinkButton>(window, button), Qt::LeftButton);
}

template <typename T>
T *topLevel()
{
    for (QWidget *widget : QApplication::topLevelWidgets())
        if (auto *found = qobject_cast<T *>(widget))
            return found;
    return nullptr;
}

// Takes one step at a time from a polling timer, never from inside a step's own nested loops.
class Player : public QObject
{
public:
    explicit Player(const QString &play) : QObject(qApp), logout(play == QLatin1String("logout"))
    {
        connect(&tick, &QTimer::timeout, this, &Player::step);
        tick.start(20);
    }
    // The test reads which message boxes the user met.
    ~Player() override
    {
        for (const BoxAnswerer::Seen &box : boxes.seen)
            std::printf("box: %s\n", qPrintable(box.title));
        std::fflush(stdout);
    }

private:
    void step()
    {
        if (stepping)
            return;
        stepping = true;
        next();
        stepping = false;
    }

    void next()
    {
        switch (stage) {
        case 0:
            window = topLevel<MainWindow>();
            if (!window || !window->isVisible())
                return;
            click(window, "addButton");
            QTest::keyClicks(child<QLineEdit>(window, "eventName"), QStringLiteral("Dentist"));
            click(window, "saveButton");
            click(window, "importFacebookButton");
            break;
        case 1:
            if (!logout) {
                tick.stop();
                return;
            }
            // The test writes a line once its server holds the Graph request: this tick then runs inside
            // the request's wait.
            if (pollfd input{STDIN_FILENO, POLLIN, 0}; ::poll(&input, 1, 0) <= 0)
                return;
            dialog = topLevel<FacebookDialog>();
            click(window, "settingsButton");
            click(window, "logoutButton");
            break;
        case 2:
            // The dialog goes once the request has returned and every call into it has unwound.
            if (dialog)
                return;
            if (window)
                window->close();
            tick.stop();
            break;
        }
        ++stage;
    }

    const bool logout;
    int stage = 0;
    bool stepping = false;
    QPointer<MainWindow> window;
    QPointer<FacebookDialog> dialog;
    QTimer tick;
    BoxAnswerer boxes;
};

// Runs while the application object is still being built: the play starts with its event loop.
void startPlaying()
{
    QTimer::singleShot(0, [] {
        setSocialSessionFactory(&createSocialSession);
        HttpClient::instance()->setRequestTimeout(requestLimit);
        new Player(QCoreApplication::arguments().value(1));
    });
}

} // namespace

Q_COREAPP_STARTUP_FUNCTION(startPlaying)

int main(int argc, char *argv[])
{
    return Launcher::run(argc, argv);
}
