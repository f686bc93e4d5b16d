// Numbers as users type them and the settings file holds them.
#pragma once

#include <QString>
#include <cstdint>
#include <optional>

namespace Platform {

// The value of a decimal number with an optional sign and fraction and blanks
// around it ("12", " -3 ", "29.5", ".5"); nothing for any other text.
std::optional<double> NumberValue(const QString &text);

// The nearest 16-bit integer, a half going to the even one (8.5 gives 8, 29.5
// gives 30); nothing when the result does not fit.
std::optional<int16_t> RoundedInt16(double value);

} // namespace Platform
