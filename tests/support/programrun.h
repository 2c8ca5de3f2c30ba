// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QProcess>

#include <csignal>
#include <memory>

struct ProgramRun
{
    int status = -1;      // its exit code when it ended by itself within the time limit; -1 otherwise
    bool crashed = false; // it ended within the time limit, by a signal
    QByteArray out;
    QByteArray err;
};

// Runs `program` to its end; standard input ends after `input`, as a shell's redirection would end
// it. Here and in endProgram() this process's events go on meanwhile (the program may wait for a
// server or a message of this process), and a program still running at the time limit is killed.
ProgramRun runProgram(const QString &program, const QStringList &arguments,
                      const QProcessEnvironment &env = QProcessEnvironment::systemEnvironment(),
                      const QByteArray &input = {}, int timeoutMs = 30000);

// Starts `program` for a test that talks to it: its standard input stays open, its output is kept
// for reading and its errors go to the test's log.
std::unique_ptr<QProcess> startProgram(const QString &program, const QStringList &arguments = {},
                                       const QProcessEnvironment &env = QProcessEnvironment::systemEnvironment());

// Sends the signal (0 sends none) and waits for the end; returns the status as ProgramRun has it.
int endProgram(QProcess &process, int signalNumber = SIGTERM, int timeoutMs = 30000);

// This process's environment with the runtime directory `dir`, made and kept private: a program
// started with it takes a single-instance lock of its own, independent of this process's.
QProcessEnvironment environmentWithRuntime(const QString &dir);
