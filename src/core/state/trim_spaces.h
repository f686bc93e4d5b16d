// Trimming of the catalogue's texts: only the space character counts, tabs stay.
#pragma once

#include <QString>

inline QString TrimSpaces(const QString &text)
{
    qsizetype first = 0;
    qsizetype end = text.size();
    while (first < end && text.at(first) == QLatin1Char(' '))
        ++first;
    while (end > first && text.at(end - 1) == QLatin1Char(' '))
        --end;
    return first == 0 && end == text.size() ? text : text.mid(first, end - first);
}
