// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/terminationwatcher.h"

#include <QSocketNotifier>

#ifdef Q_OS_UNIX
#include <csignal>
#include <fcntl.h>
#include <sys/socket.h>
#include <unistd.h>
#endif

#ifdef Q_OS_UNIX
namespace {

// The handler only writes the signal number into a socket; the event loop does the rest.
int signalPipe[2] = {-1, -1};
const int watchedSignals[] = {SIGTERM, SIGINT, SIGHUP};

void onSignal(int sig)
{
    const unsigned char byte = static_cast<unsigned char>(sig);
    const ssize_t ignored = ::write(signalPipe[0], &byte, 1);
    (void)ignored;
}

} // namespace
#endif

TerminationWatcher::TerminationWatcher(QObject *parent) : QObject(parent)
{
#ifdef Q_OS_UNIX
    if (signalPipe[0] < 0) {
        if (::socketpair(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC | SOCK_NONBLOCK, 0, signalPipe) != 0)
            return;
    }
    notifier = new QSocketNotifier(signalPipe[1], QSocketNotifier::Read, this);
    connect(notifier, &QSocketNotifier::activated, this, &TerminationWatcher::readSignal);
    struct sigaction action
    {
    };
    action.sa_handler = onSignal;
    sigemptyset(&action.sa_mask);
    action.sa_flags = SA_RESTART;
    for (int sig : watchedSignals)
        ::sigaction(sig, &action, nullptr);
#endif
}

TerminationWatcher::~TerminationWatcher()
{
#ifdef Q_OS_UNIX
    if (notifier) {
        for (int sig : watchedSignals)
            ::signal(sig, SIG_DFL);
    }
#endif
}

void TerminationWatcher::readSignal()
{
#ifdef Q_OS_UNIX
    unsigned char byte = 0;
    while (::read(signalPipe[1], &byte, 1) == 1)
        Q_EMIT terminationRequested(byte);
#endif
}
