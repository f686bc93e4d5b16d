// SPDX-License-Identifier: GPL-3.0-or-later
// The font size of the views, as the options window takes it from its box.
#pragma once

#include <QString>
#include <cstdint>
#include <optional>

constexpr int16_t SmallestFontSize = 8;
constexpr int16_t LargestFontSize = 30;

struct FontSizeEntry {
    QString shown; // what the box then shows: the bound a number beyond it was held to
    int16_t size;
};

// A number is held within 8..30 and a fraction rounds half to even (the box keeps
// showing "29.5" for the size 30); anything else is refused.
std::optional<FontSizeEntry> ValidateFontSize(const QString &typed);
