// SPDX-License-Identifier: GPL-3.0-or-later
// The settings-file reader on any bytes.
#include "model/preferences.h"

#include <QBuffer>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    QByteArray bytes(reinterpret_cast<const char *>(data), int(size));
    QBuffer in(&bytes);
    in.open(QIODevice::ReadOnly);
    Preferences preferences;
    readPreferences(preferences, in);
    return 0;
}
