// SPDX-License-Identifier: GPL-3.0-or-later
// The 16-bit counters of the catalogue and the queue, which stop at 32,767.
#pragma once

#include <cstdint>
#include <exception>
#include <limits>

// Raised when a 16-bit counter would pass 32,767.
struct CounterOverflow : std::exception {
    const char *what() const noexcept override { return "Overflow"; }
};

// Adds one to a 16-bit counter; past 32,767 it throws and leaves the counter as it was.
inline void Increment(int16_t &counter)
{
    if (counter == std::numeric_limits<int16_t>::max())
        throw CounterOverflow();
    ++counter;
}
