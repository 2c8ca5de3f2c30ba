// SPDX-License-Identifier: GPL-3.0-or-later
#include "brindlex/exceptionhandler.h"

#include "model/privatefolder.h"

#include <QCoreApplication>
#include <QFile>
#include <QStandardPaths>

#include <csignal>
#include <cstring>
#include <ctime>

#ifdef Q_OS_UNIX
#include <execinfo.h>
#include <fcntl.h>
#include <unistd.h>
#endif

namespace Brindlex {

#ifdef Q_OS_UNIX
namespace {

const int fatalSignals[] = {SIGSEGV, SIGABRT, SIGBUS, SIGFPE, SIGILL};
constexpr int signalCount = int(sizeof(fatalSignals) / sizeof(fatalSignals[0]));

// Everything the handler needs is prepared while arming: a signal handler may not allocate.
char reportDir[4096];
char versionText[128];
struct sigaction previous[signalCount];
char alternateStack[64 * 1024];

// Small async-signal-safe writers.
void put(int fd, const char *text)
{
    const size_t length = std::strlen(text);
    size_t done = 0;
    while (done < length) {
        const ssize_t n = ::write(fd, text + done, length - done);
        if (n <= 0)
            return;
        done += size_t(n);
    }
}

void formatNumber(char *out, long long value, int width = 0)
{
    char digits[24];
    int n = 0;
    const bool negative = value < 0;
    unsigned long long v =
        negative ? 0ull - static_cast<unsigned long long>(value) : static_cast<unsigned long long>(value);
    do {
        digits[n++] = char('0' + v % 10);
        v /= 10;
    } while (v != 0);
    while (n < width)
        digits[n++] = '0';
    if (negative)
        *out++ = '-';
    while (n > 0)
        *out++ = digits[--n];
    *out = '\0';
}

// Civil date from days since 1970-01-01 (Howard Hinnant's algorithm), safe inside a handler.
void formatUtc(char *out, long long seconds)
{
    long long days = seconds / 86400;
    long long rest = seconds % 86400;
    if (rest < 0) {
        rest += 86400;
        --days;
    }
    days += 719468;
    const long long era = (days >= 0 ? days : days - 146096) / 146097;
    const long long doe = days - era * 146097;
    const long long yoe = (doe - doe / 1460 + doe / 36524 - doe / 146096) / 365;
    const long long doy = doe - (365 * yoe + yoe / 4 - yoe / 100);
    const long long mp = (5 * doy + 2) / 153;
    const long long day = doy - (153 * mp + 2) / 5 + 1;
    const long long month = mp < 10 ? mp + 3 : mp - 9;
    const long long year = yoe + era * 400 + (month <= 2 ? 1 : 0);
    const long long parts[] = {year, month, day, rest / 3600, rest / 60 % 60, rest % 60};
    const char separators[] = {'-', '-', ' ', ':', ':', '\0'};
    for (int i = 0; i < 6; ++i) {
        formatNumber(out, parts[i], i == 0 ? 4 : 2);
        out += std::strlen(out);
        *out++ = separators[i];
    }
    *out = '\0';
}

const char *signalName(int sig)
{
    switch (sig) {
    case SIGSEGV:
        return "SIGSEGV (invalid memory access)";
    case SIGABRT:
        return "SIGABRT (aborted)";
    case SIGBUS:
        return "SIGBUS (bus error)";
    case SIGFPE:
        return "SIGFPE (arithmetic error)";
    case SIGILL:
        return "SIGILL (illegal instruction)";
    }
    return "unknown signal";
}

void writeReport(int sig)
{
    const long long now = static_cast<long long>(::time(nullptr));
    char number[32];
    char path[sizeof(reportDir) + 64];
    std::strcpy(path, reportDir);
    std::strcat(path, "/crash-");
    formatNumber(number, now);
    std::strcat(path, number);
    std::strcat(path, "-");
    formatNumber(number, ::getpid());
    std::strcat(path, number);
    std::strcat(path, ".txt");

    const int fd = ::open(path, O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0600);
    if (fd < 0)
        return;
    char time[40];
    formatUtc(time, now);
    put(fd, "Oriventa crash report\ntime: ");
    put(fd, time);
    put(fd, " UTC\nversion: ");
    put(fd, versionText);
    put(fd, "\nsignal: ");
    formatNumber(number, sig);
    put(fd, number);
    put(fd, " ");
    put(fd, signalName(sig));
    put(fd, "\nbacktrace:\n");
    void *frames[64];
    const int depth = ::backtrace(frames, 64);
    ::backtrace_symbols_fd(frames, depth, fd);
    ::close(fd);
}

void onFatalSignal(int sig)
{
    static volatile sig_atomic_t handling = 0;
    if (!handling) {
        handling = 1;
        writeReport(sig);
    }
    // Die as the process would have without us: default action, same signal.
    ::signal(sig, SIG_DFL);
    ::raise(sig);
}

} // namespace
#endif

ExceptionHandler::ExceptionHandler() = default;

ExceptionHandler::~ExceptionHandler()
{
#ifdef Q_OS_UNIX
    if (armed) {
        for (int i = 0; i < signalCount; ++i)
            ::sigaction(fatalSignals[i], &previous[i], nullptr);
    }
#endif
}

void ExceptionHandler::initExceptionHandler()
{
#ifdef Q_OS_UNIX
    if (armed)
        return;
    const QString dir = QStandardPaths::writableLocation(QStandardPaths::AppDataLocation);
    makePrivateFolder(dir);
    const QByteArray dirBytes = QFile::encodeName(dir);
    if (dirBytes.isEmpty() || dirBytes.size() >= int(sizeof(reportDir)))
        return;
    std::strcpy(reportDir, dirBytes.constData());
    const QByteArray version = QCoreApplication::applicationVersion().toUtf8().left(sizeof(versionText) - 1);
    std::strcpy(versionText, version.constData());

    // backtrace() loads its unwinder on first use; do that now, not inside the handler.
    void *frames[1];
    ::backtrace(frames, 1);

    // A stack overflow leaves no stack for the handler; give it one of its own.
    stack_t stack{};
    stack.ss_sp = alternateStack;
    stack.ss_size = sizeof(alternateStack);
    ::sigaltstack(&stack, nullptr);

    struct sigaction action
    {
    };
    action.sa_handler = onFatalSignal;
    sigemptyset(&action.sa_mask);
    action.sa_flags = SA_ONSTACK;
    for (int i = 0; i < signalCount; ++i)
        ::sigaction(fatalSignals[i], &action, &previous[i]);
    armed = true;
#endif
}

QString ExceptionHandler::reportDirectory() const
{
#ifdef Q_OS_UNIX
    return armed ? QFile::decodeName(reportDir) : QString();
#else
    return QString();
#endif
}

} // namespace Brindlex
