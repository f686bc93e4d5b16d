// SPDX-License-Identifier: GPL-3.0-or-later
// Numbers as users type them, as the files hold them and as the windows show them.
#pragma once

#include <QString>
#include <cstdint>
#include <optional>

// The value of a decimal number with an optional sign and fraction and blanks
// around it ("12", " -3 ", "29.5", ".5"); nothing for any other text.
std::optional<double> NumberValue(const QString &text);

// The one rounding rule of the program: to the nearest whole number, a half to the
// even neighbour (8.5 gives 8, 9.5 gives 10).
double RoundHalfEven(double value);

// RoundHalfEven as a 32-bit integer, limited to its range; a value that is not a
// number gives 0.
int32_t RoundHalfEvenInt32(double value);

// RoundHalfEven as a 16-bit integer; nothing when the result does not fit.
std::optional<int16_t> RoundHalfEvenInt16(double value);

// The "#,###" form: digit groups with the locale's separator; 0 gives "".
QString GroupedNumber(int value);

// The text of the song count: "0", or the count in the "#,###" form.
QString SongTotalText(int16_t count);
