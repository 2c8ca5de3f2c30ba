// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QCoreApplication>

// The context of the tool's texts for its translators: Cli::tr("…").
class Cli
{
    Q_DECLARE_TR_FUNCTIONS(Cli)
};
