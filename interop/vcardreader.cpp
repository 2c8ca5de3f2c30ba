// SPDX-License-Identifier: GPL-3.0-or-later
#include "interop/vcardreader.h"

// Placeholder until the reader is written.
ImportReport readVCards(const QByteArray &, const Preferences &, QDate)
{
    return {};
}
