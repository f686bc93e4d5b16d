// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/windows/counter_window.h"

#include "ui/kit/design_controls.h"
#include "ui/kit/look.h"
#include "ui/kit/twips.h"

#include <QGuiApplication>
#include <QLabel>
#include <QLineEdit>
#include <QScreen>

using Kit::TwipRect;

frm_Counter::frm_Counter(QWidget *parent) : QWidget(parent, Qt::Dialog)
{
    setObjectName(QStringLiteral("frm_Counter"));
    setWindowTitle(QStringLiteral("Reading"));
    setFixedSize(TwipRect(0, 0, 2340, 1140).size());
    const QFont bold = Kit::DesignFont(Kit::FontFace::SansSerif, 8.25, true);

    Label1 = Kit::Label(this, "Label1", QStringLiteral("Reading"), TwipRect(120, 120, 2055, 255), bold);
    text_current = Kit::TextBox(this, "text_current", QStringLiteral("0"), TwipRect(120, 480, 975, 285));
    text_Total = Kit::TextBox(this, "text_Total", QStringLiteral("0"), TwipRect(1200, 480, 975, 285));
    Label2 = Kit::Label(this, "Label2", QStringLiteral("Current"), TwipRect(120, 840, 975, 255), bold);
    Label3 = Kit::Label(this, "Label3", QStringLiteral("Total"), TwipRect(1200, 840, 975, 255), bold);

    if (const QScreen *screen = QGuiApplication::primaryScreen())
        move(screen->availableGeometry().center() - rect().center());
}
