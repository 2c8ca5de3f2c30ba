// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <QStringList>

// What the command line asks for.
struct Request
{
    enum class Command
    {
        Help,
        Version,
        List,
        Due,
        Import,
        Export,
        Sync,
    };

    Command command = Command::Help;
    int days = -1; // list: the window in days from today; -1 for every event
    bool json = false;
    QStringList files;
    // sync: the address and user to save first, and where the password comes from
    QString url;
    QString user;
    bool urlGiven = false;
    bool userGiven = false;
    bool passwordFromStdin = false;
    bool allowDeletions = false; // lets a sync delete most of the calendar
    bool quiet = false;          // sync: no progress, and no summary when it worked
};

// Reads the arguments after the program's name. False on a usage error; `error` then says what
// was wrong, in a line fit to precede the usage text.
bool parseArguments(const QStringList &arguments, Request &request, QString &error);

// The usage text shown by --help and after a usage error.
QString usageText();
