// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/playback/time_text.h"

#include "core/state/number_text.h"

#include <cstdint>

QString TimeText(double seconds)
{
    const int32_t minutes = RoundHalfEvenInt32(seconds) / 60;
    int32_t rest = RoundHalfEvenInt32(seconds - 60.0 * minutes);
    if (rest == -1)
        rest = 0;
    return QString::number(minutes) + (rest >= 10 ? QStringLiteral(":") : QStringLiteral(":0")) + QString::number(rest);
}
