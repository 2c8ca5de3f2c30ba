// SPDX-License-Identifier: GPL-3.0-or-later
#include "tests/support/programrun.h"

#include <QDir>
#include <QEventLoop>
#include <QFile>
#include <QTimer>

namespace {

// False when the program was still running at the time limit and had to be killed.
bool endsWithin(QProcess &process, int timeoutMs)
{
    QEventLoop loop;
    // A start that failed ends the wait too, though it emits no finished().
    QObject::connect(&process, &QProcess::stateChanged, &loop, [&loop](QProcess::ProcessState state) {
        if (state == QProcess::NotRunning)
            loop.quit();
    });
    QTimer::singleShot(timeoutMs, &loop, &QEventLoop::quit);
    if (process.state() != QProcess::NotRunning)
        loop.exec();
    if (process.state() == QProcess::NotRunning)
        return true;
    process.kill();
    process.waitForFinished();
    return false;
}

int statusOf(const QProcess &process)
{
    const bool normal = process.exitStatus() == QProcess::NormalExit && process.error() != QProcess::FailedToStart;
    return normal ? process.exitCode() : -1;
}

} // namespace

ProgramRun runProgram(const QString &program, const QStringList &arguments, const QProcessEnvironment &env,
                      const QByteArray &input, int timeoutMs)
{
    QProcess process;
    process.setProcessEnvironment(env);
    process.start(program, arguments);
    process.write(input);
    process.closeWriteChannel();
    const bool inTime = endsWithin(process, timeoutMs);
    return {inTime ? statusOf(process) : -1, inTime && process.exitStatus() == QProcess::CrashExit,
            process.readAllStandardOutput(), process.readAllStandardError()};
}

std::unique_ptr<QProcess> startProgram(const QString &program, const QStringList &arguments,
                                       const QProcessEnvironment &env)
{
    auto process = std::make_unique<QProcess>();
    process->setProcessEnvironment(env);
    process->setProcessChannelMode(QProcess::ForwardedErrorChannel);
    process->start(program, arguments);
    return process;
}

int endProgram(QProcess &process, int signalNumber, int timeoutMs)
{
    if (process.state() != QProcess::NotRunning)
        ::kill(pid_t(process.processId()), signalNumber);
    return endsWithin(process, timeoutMs) ? statusOf(process) : -1;
}

QProcessEnvironment environmentWithRuntime(const QString &dir)
{
    QDir().mkpath(dir);
    QFile::setPermissions(dir, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(QStringLiteral("XDG_RUNTIME_DIR"), dir);
    return env;
}
