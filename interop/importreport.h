// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "model/eventstore.h"

#include <QList>
#include <QString>

// An entry of a file that could not be stated as one of our events, or could be stated only
// approximately, named for the user with the reason.
struct Unrepresentable
{
    QString name;
    QString reason;
};

// What a reader made of one file: the events in file order (the caller owns them) and what it
// had to leave out.
struct ImportReport
{
    EventStore events;
    QList<Unrepresentable> skipped;
    // Contacts that carry neither a birthday nor an anniversary: not an error, but worth a line.
    int undated = 0;
    // Not empty when only part of the file could be read: says why.
    QString damage;
};
