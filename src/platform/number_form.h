// The "#,###" number form: digit groups with the locale's separator; 0 gives "".
#pragma once

#include <QLocale>
#include <QString>

namespace Platform {

inline QString GroupedNumber(int value)
{
    return value == 0 ? QString() : QLocale().toString(value);
}

} // namespace Platform
