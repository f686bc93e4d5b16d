#include "platform/number_text.h"

#include <QRegularExpression>
#include <cmath>
#include <limits>

namespace Platform {

std::optional<double> NumberValue(const QString &text)
{
    static const QRegularExpression number(QStringLiteral("^\\s*([+-]?([0-9]+\\.?[0-9]*|\\.[0-9]+))\\s*$"));
    const QRegularExpressionMatch match = number.match(text);
    if (!match.hasMatch())
        return std::nullopt;
    // Too many digits for a double still count as a number: they give an infinity.
    return match.captured(1).toDouble();
}

std::optional<int16_t> RoundedInt16(double value)
{
    // nearbyint rounds in the default mode, which sends halves to the even neighbour.
    const double rounded = std::nearbyint(value);
    if (!(rounded >= std::numeric_limits<int16_t>::min() && rounded <= std::numeric_limits<int16_t>::max()))
        return std::nullopt;
    return static_cast<int16_t>(rounded);
}

} // namespace Platform
