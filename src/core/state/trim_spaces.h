// SPDX-License-Identifier: GPL-3.0-or-later
// Trimming of the catalogue's texts: only the space character counts, tabs stay.
#pragma once

#include <QString>
#include <QStringView>

// The part of `text` between its leading and trailing spaces.
template <class View>
View SpacesTrimmed(View text)
{
    while (!text.isEmpty() && QChar(text.front()) == u' ')
        text = text.sliced(1);
    while (!text.isEmpty() && QChar(text.back()) == u' ')
        text.chop(1);
    return text;
}

inline QString TrimSpaces(const QString &text)
{
    const QStringView kept = SpacesTrimmed(QStringView(text));
    return kept.size() == text.size() ? text : kept.toString();
}
