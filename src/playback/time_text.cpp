#include "playback/time_text.h"

#include <cmath>
#include <limits>

namespace Playback {

int32_t RoundHalfEven(double value)
{
    if (std::isnan(value))
        return 0;
    constexpr double low = std::numeric_limits<int32_t>::min();
    constexpr double high = std::numeric_limits<int32_t>::max();
    const double rounded = std::nearbyint(value);
    if (rounded <= low)
        return std::numeric_limits<int32_t>::min();
    if (rounded >= high)
        return std::numeric_limits<int32_t>::max();
    return static_cast<int32_t>(rounded);
}

QString TimeText(double seconds)
{
    const int32_t whole = RoundHalfEven(seconds);
    const int32_t minutes = whole / 60;
    int32_t rest = RoundHalfEven(seconds - 60.0 * minutes);
    if (rest == -1)
        rest = 0;
    return QString::number(minutes) + (rest >= 10 ? QStringLiteral(":") : QStringLiteral(":0")) + QString::number(rest);
}

} // namespace Playback
