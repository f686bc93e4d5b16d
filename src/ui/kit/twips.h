// SPDX-License-Identifier: GPL-3.0-or-later
// Window designs are measured in twips (1/1440 inch); the screen says how many make a pixel.
#pragma once

#include <QRect>

namespace Kit {

// Twips per pixel of the primary screen (15 at 96 DPI).
double TwipsPerPixelX();
double TwipsPerPixelY();

int TwipsToPixelsX(int twips);
int TwipsToPixelsY(int twips);

// A design rectangle (left, top, width, height in twips) in pixels.
QRect TwipRect(int left, int top, int width, int height);

} // namespace Kit
