// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/state/number_text.h"

#include <QLocale>
#include <QRegularExpression>
#include <cmath>
#include <limits>

std::optional<double> NumberValue(const QString &text)
{
    static const QRegularExpression number(QStringLiteral("^\\s*([+-]?([0-9]+\\.?[0-9]*|\\.[0-9]+))\\s*$"));
    const QRegularExpressionMatch match = number.match(text);
    if (!match.hasMatch())
        return std::nullopt;
    // Too many digits for a double still count as a number: they give an infinity.
    return match.captured(1).toDouble();
}

double RoundHalfEven(double value)
{
    // The default rounding mode sends halves to the even neighbour.
    return std::nearbyint(value);
}

int32_t RoundHalfEvenInt32(double value)
{
    if (std::isnan(value))
        return 0;
    const double rounded = RoundHalfEven(value);
    if (rounded <= std::numeric_limits<int32_t>::min())
        return std::numeric_limits<int32_t>::min();
    if (rounded >= std::numeric_limits<int32_t>::max())
        return std::numeric_limits<int32_t>::max();
    return static_cast<int32_t>(rounded);
}

std::optional<int16_t> RoundHalfEvenInt16(double value)
{
    const double rounded = RoundHalfEven(value);
    if (!(rounded >= std::numeric_limits<int16_t>::min() && rounded <= std::numeric_limits<int16_t>::max()))
        return std::nullopt;
    return static_cast<int16_t>(rounded);
}

QString GroupedNumber(int value) { return value == 0 ? QString() : QLocale().toString(value); }

QString SongTotalText(int16_t count)
{
    // The "#,###" form gives nothing for 0.
    return count < 1 ? QStringLiteral("0") : GroupedNumber(count);
}
