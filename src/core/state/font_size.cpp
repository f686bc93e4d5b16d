// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/state/font_size.h"

#include "core/state/number_text.h"

#include <algorithm>

std::optional<FontSizeEntry> ValidateFontSize(const QString &typed)
{
    const std::optional<double> value = NumberValue(typed);
    if (!value)
        return std::nullopt;
    const double held = std::clamp<double>(*value, SmallestFontSize, LargestFontSize);
    return FontSizeEntry{held == *value ? typed : QString::number(held), *RoundHalfEvenInt16(held)};
}
