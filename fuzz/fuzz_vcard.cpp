// SPDX-License-Identifier: GPL-3.0-or-later
// The file import on any bytes taken as a vCard file.
#include "fuzzimport.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    return fuzzImport(data, size, FileFormat::VCard, "BEGIN:VCARD\r\n");
}
