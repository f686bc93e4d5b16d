// SPDX-License-Identifier: GPL-3.0-or-later
// Fonts, colours and small pictures of the window designs, with the nearest
// equivalents this system has.
#pragma once

#include <QColor>
#include <QFont>
#include <QIcon>
#include <QPixmap>

class QWidget;

namespace Kit {

enum class FontFace { SansSerif, Serif, Comic };

QFont DesignFont(FontFace face, double points, bool bold);

// Background colour of a widget (its base for inputs and views, its window otherwise).
void SetBackground(QWidget *widget, const QColor &colour, bool base);

inline const QColor LightGrey(192, 192, 192);
inline const QColor LightBlue(192, 192, 255);
inline const QColor LightYellow(255, 255, 192);
inline const QColor LightPink(255, 192, 192);

enum class Symbol { Play, Pause, Stop, Next, Up, Down };
QIcon SymbolIcon(Symbol symbol);

QIcon ProgramIcon();
QPixmap VolumePicture();
QIcon ExpandPicture();
QIcon CollapsePicture();

} // namespace Kit
