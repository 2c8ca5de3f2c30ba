// SPDX-License-Identifier: GPL-3.0-or-later
// Arms the crash handler as the program does, then fails in the way the first argument asks.
#include "app/startup.h"
#include "brindlex/exceptionhandler.h"

#include <QCoreApplication>

#include <cstdlib>
#include <cstring>

namespace {

// A real invalid write, which the undefined-behaviour checks of a sanitizer build would
// otherwise stop before it reaches the signal handler.
__attribute__((no_sanitize("undefined"))) int crashBySegfault()
{
    volatile int *nowhere = nullptr;
    *nowhere = 1;
    return *nowhere;
}

} // namespace

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    Startup::setApplicationIdentity();
    Brindlex::ExceptionHandler handler;
    handler.initExceptionHandler();
    if (argc > 1 && std::strcmp(argv[1], "segv") == 0)
        return crashBySegfault();
    if (argc > 1 && std::strcmp(argv[1], "abort") == 0)
        std::abort();
    return 0;
}
