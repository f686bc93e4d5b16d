// SPDX-License-Identifier: GPL-3.0-or-later
// A fuzz target: arbitrary bytes fed to the reader KORVEL_FUZZ_ENTRY names.
#include "support/fuzz_entries.h"

#include <cstddef>
#include <cstdint>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    Fuzz::Prepare();
    Fuzz::KORVEL_FUZZ_ENTRY(QByteArray(reinterpret_cast<const char *>(data), static_cast<qsizetype>(size)));
    return 0;
}
