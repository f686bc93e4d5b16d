#include "dialogs/counter_window.h"

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

    Label1 = new QLabel(QStringLiteral("Reading"), this);
    Label1->setObjectName(QStringLiteral("Label1"));
    Label1->setGeometry(TwipRect(120, 120, 2055, 255));
    Label1->setFont(bold);

    text_current = new QLineEdit(QStringLiteral("0"), this);
    text_current->setObjectName(QStringLiteral("text_current"));
    text_current->setGeometry(TwipRect(120, 480, 975, 285));

    text_Total = new QLineEdit(QStringLiteral("0"), this);
    text_Total->setObjectName(QStringLiteral("text_Total"));
    text_Total->setGeometry(TwipRect(1200, 480, 975, 285));

    Label2 = new QLabel(QStringLiteral("Current"), this);
    Label2->setObjectName(QStringLiteral("Label2"));
    Label2->setGeometry(TwipRect(120, 840, 975, 255));
    Label2->setFont(bold);

    Label3 = new QLabel(QStringLiteral("Total"), this);
    Label3->setObjectName(QStringLiteral("Label3"));
    Label3->setGeometry(TwipRect(1200, 840, 975, 255));
    Label3->setFont(bold);

    if (const QScreen *screen = QGuiApplication::primaryScreen())
        move(screen->availableGeometry().center() - rect().center());
}
