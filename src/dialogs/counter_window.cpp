#include "dialogs/counter_window.h"

#include "platform/design_controls.h"
#include "platform/look.h"
#include "platform/twips.h"

#include <QGuiApplication>
#include <QLabel>
#include <QLineEdit>
#include <QScreen>

using Platform::TwipRect;

frm_Counter::frm_Counter(QWidget *parent) : QWidget(parent, Qt::Dialog)
{
    setObjectName(QStringLiteral("frm_Counter"));
    setWindowTitle(QStringLiteral("Reading"));
    setFixedSize(TwipRect(0, 0, 2340, 1140).size());
    const QFont bold = Platform::DesignFont(Platform::FontFace::SansSerif, 8.25, true);

    Label1 = Platform::Label(this, "Label1", QStringLiteral("Reading"), TwipRect(120, 120, 2055, 255), bold);
    text_current = Platform::TextBox(this, "text_current", QStringLiteral("0"), TwipRect(120, 480, 975, 285));
    text_Total = Platform::TextBox(this, "text_Total", QStringLiteral("0"), TwipRect(1200, 480, 975, 285));
    Label2 = Platform::Label(this, "Label2", QStringLiteral("Current"), TwipRect(120, 840, 975, 255), bold);
    Label3 = Platform::Label(this, "Label3", QStringLiteral("Total"), TwipRect(1200, 840, 975, 255), bold);

    if (const QScreen *screen = QGuiApplication::primaryScreen())
        move(screen->availableGeometry().center() - rect().center());
}
