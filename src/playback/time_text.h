// The "m:ss" time text of a number of seconds, and the rounding the time display uses.
#pragma once

#include <QString>
#include <cstdint>

namespace Playback {

// Nearest whole number, halves to the even neighbour, limited to the 32-bit range
// (a value that is not a number gives 0).
int32_t RoundHalfEven(double value);

// Minutes, a colon and two-digit seconds: 0:00, 3:07, 75:02. −1 shows as 0:00.
QString TimeText(double seconds);

} // namespace Playback
