// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/playback/volume.h"

#include "core/state/number_text.h"

#include <cmath>

int32_t SliderVolume(int value)
{
    const int32_t tenth = RoundHalfEvenInt32(value / 10.0);
    return static_cast<int16_t>(tenth * tenth * tenth);
}

int32_t OpenedFileVolume(int value) { return RoundHalfEvenInt32(-std::pow(static_cast<double>(value), 4)); }
