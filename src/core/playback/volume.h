// SPDX-License-Identifier: GPL-3.0-or-later
// The loudness the player is given, from the volume slider's value (−100 to 0).
#pragma once

#include <cstdint>

// What a move of the volume slider asks for: the cube of the tenth of its value
// (−100 gives −1000, −45 gives −64, 0 gives 0).
int32_t SliderVolume(int value);

// What a newly opened file is given: the negated fourth power of the slider's
// value (−50 gives −6,250,000, which the player refuses, −10 gives −10,000).
int32_t OpenedFileVolume(int value);
