// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: 2026 slot_vorlane developers
//
// libFuzzer target: any bytes through the stored-number parser and the
// record loader. Built with the `fuzz` preset (clang); the test suite runs
// the same checks over seeded random inputs.
#include "recordcheck.h"

#include <cstdint>
#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    if (!recordcheck::holds(std::string_view(reinterpret_cast<const char*>(data), size)))
        std::abort();
    return 0;
}
