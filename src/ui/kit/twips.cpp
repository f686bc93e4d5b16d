// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/kit/twips.h"

#include <QGuiApplication>
#include <QScreen>
#include <cmath>

namespace Kit {

namespace {
double dpi(bool horizontal)
{
    const QScreen *screen = QGuiApplication::primaryScreen();
    if (!screen)
        return 96.0;
    const double d = horizontal ? screen->logicalDotsPerInchX() : screen->logicalDotsPerInchY();
    return d > 0 ? d : 96.0;
}
} // namespace

double TwipsPerPixelX() { return 1440.0 / dpi(true); }
double TwipsPerPixelY() { return 1440.0 / dpi(false); }

int TwipsToPixelsX(int twips) { return static_cast<int>(std::lround(twips / TwipsPerPixelX())); }
int TwipsToPixelsY(int twips) { return static_cast<int>(std::lround(twips / TwipsPerPixelY())); }

QRect TwipRect(int left, int top, int width, int height)
{
    return QRect(TwipsToPixelsX(left), TwipsToPixelsY(top), TwipsToPixelsX(width), TwipsToPixelsY(height));
}

} // namespace Kit
