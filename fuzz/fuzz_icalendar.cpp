// SPDX-License-Identifier: GPL-3.0-or-later
// The file import on any bytes taken as an iCalendar file.
#include "fuzzimport.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    return fuzzImport(data, size, FileFormat::ICalendar, "BEGIN:VCALENDAR\r\n");
}
